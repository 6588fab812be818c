#include "records/PlayerLock.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>

namespace {

const QString kAnn = QStringLiteral("Ann");
constexpr char kOtherCopyFolder[] = "QUIBEL_TEST_OTHER_COPY_FOLDER";

// The other copy of the game, run by this same program: it plays as Ann,
// says so, and waits for its input to close.
int RunOtherCopy()
{
    PlayerLock lock;
    if (!lock.Take(qEnvironmentVariable(kOtherCopyFolder), kAnn))
        return 2;
    std::puts("playing");
    std::fflush(stdout);
    for (int c = 0; c != EOF;)
        c = std::getchar();
    return 0;
}

std::unique_ptr<QProcess> StartOtherCopy(const QString& folder)
{
    auto other = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kOtherCopyFolder), folder);
    other->setProcessEnvironment(env);
    other->start(QCoreApplication::applicationFilePath(), {});
    if (!other->waitForReadyRead(10000) || other->readLine().trimmed() != "playing")
        return nullptr;
    return other;
}

} // namespace

class TestPlayerLock : public QObject {
    Q_OBJECT

private slots:
    // While another process plays as Ann, Ann cannot be taken here, however
    // long that copy has held her; Bob can. A copy that ends gives Ann back.
    void anotherProcessKeepsItsPlayer()
    {
        QTemporaryDir dir;
        const std::unique_ptr<QProcess> other = StartOtherCopy(dir.path());
        QVERIFY(other);
        PlayerLock here;
        QVERIFY(!here.Take(dir.path(), kAnn));
        QVERIFY(PlayerHeldElsewhere(dir.path(), kAnn));
        QVERIFY(here.Take(dir.path(), QStringLiteral("Bob")));
        QTest::qWait(1500); // older than a lock left by a crash may be
        QVERIFY(!here.Take(dir.path(), kAnn));
        QCOMPARE(here.Name(), QStringLiteral("Bob"));

        other->closeWriteChannel();
        QVERIFY(other->waitForFinished(10000));
        QCOMPARE(other->exitCode(), 0);
        QVERIFY(!QFile::exists(PlayerLockPath(dir.path(), kAnn)));
        QVERIFY(here.Take(dir.path(), kAnn));
        QVERIFY(!QFile::exists(PlayerLockPath(dir.path(), QStringLiteral("Bob"))));
    }

    // A copy killed outright leaves its lock file; the player is free at once.
    // A lock file a crash left empty is free once it is a moment old.
    void deadCopiesNeverKeepAPlayer()
    {
        QTemporaryDir dir;
        const std::unique_ptr<QProcess> other = StartOtherCopy(dir.path());
        QVERIFY(other);
        other->kill();
        QVERIFY(other->waitForFinished(10000));
        QVERIFY(QFile::exists(PlayerLockPath(dir.path(), kAnn)));
        PlayerLock here;
        QVERIFY(here.Take(dir.path(), kAnn));
        here.Release();

        QFile empty(PlayerLockPath(dir.path(), kAnn));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        QVERIFY(empty.setFileTime(QDateTime::currentDateTime().addSecs(-5), QFileDevice::FileModificationTime));
        empty.close();
        QVERIFY(here.Take(dir.path(), kAnn));
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(kOtherCopyFolder))
        return RunOtherCopy();
    QCoreApplication app(argc, argv);
    TestPlayerLock test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_playerlock.moc"
