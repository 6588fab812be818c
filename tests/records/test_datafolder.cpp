// Where the player's files live and who may write them: the data folder and
// its private stand-in, old files moved in without loss, files found in any
// letter case, and the lock that keeps a player to one copy of the game.

#include "records/DataFolder.h"
#include "records/PlayerLock.h"
#include "records/RecordFiles.h"
#include "support/Files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

const QString kProgram = QStringLiteral("Solitaire Quibel");
const QString kAnn = QStringLiteral("Ann");
constexpr char kOtherCopyFolder[] = "QUIBEL_TEST_OTHER_COPY_FOLDER";
constexpr auto kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

QStringList Files(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

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

class TestDataFolder : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> root_;
    QString app_;
    QString data_;
    QByteArray oldTmp_ = qgetenv("TMPDIR");

    // Fills fresh folders, each old file holding its own name in lower case.
    DataFileMove MoveFrom(const QStringList& inApp, const QStringList& inData = {})
    {
        init();
        for (const QString& name : inApp)
            test::WriteBytes(app_ + name, name.toLower().toLatin1());
        for (const QString& name : inData)
            test::WriteBytes(data_ + name, "keep");
        return MoveOldDataFiles(app_, data_);
    }
    // The shared temporary folder, and this user's stand-in folder in it.
    QString Tmp() const { return root_->filePath(QStringLiteral("tmp")); }
    QString Own() const { return Tmp() + QStringLiteral("/Solitaire Quibel-") + QString::number(::geteuid()); }

private slots:
    void init()
    {
        qputenv("TMPDIR", oldTmp_);
        root_ = std::make_unique<QTemporaryDir>();
        app_ = root_->filePath(QStringLiteral("app/"));
        data_ = root_->filePath(QStringLiteral("data/"));
        QVERIFY(QDir().mkpath(app_) && QDir().mkpath(data_) && QDir().mkpath(Tmp()));
        qputenv("TMPDIR", Tmp().toLocal8Bit());
    }
    void cleanup() { qputenv("TMPDIR", oldTmp_); }

    // The folder under the user's data folder, made once, no probe left
    // behind; where it cannot be made (a file in its place, whoever runs the
    // test), this user's own folder in the temporary folder, closed to others.
    void folderUnderUserDataElseTemp()
    {
        qputenv("XDG_DATA_HOME", root_->filePath(QStringLiteral("share")).toLocal8Bit());
        const QString expected = root_->filePath(QStringLiteral("share/Solitaire Quibel/"));
        QCOMPARE(ChooseDataFolder(kProgram).Path, expected);
        QCOMPARE(ChooseDataFolder(kProgram).Path, expected);
        QVERIFY(Files(expected).isEmpty());
        // A data folder that cannot be written but holds players is still
        // theirs, read-only; so is one whose players file is read-only.
        test::WriteBytes(expected + QStringLiteral("players.dat"), "players");
        QVERIFY(!ChooseDataFolder(kProgram).ReadOnly);
        QVERIFY(QFile::setPermissions(expected, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const DataFolderChoice choice = ChooseDataFolder(kProgram);
        QVERIFY(QFile::setPermissions(expected, kOwnerOnly));
        QVERIFY(choice.Path == expected && choice.ReadOnly);
        QVERIFY(QFile::setPermissions(expected + QStringLiteral("players.dat"), QFileDevice::ReadOwner));
        QVERIFY(ChooseDataFolder(kProgram).ReadOnly);
        const QString blocker = root_->filePath(QStringLiteral("blocker"));
        test::WriteBytes(blocker, "x");
        qputenv("XDG_DATA_HOME", blocker.toLocal8Bit());
        QCOMPARE(ChooseDataFolder(kProgram).Path, Own() + '/');
        QCOMPARE(QFile::permissions(Own()) & 0x7077, kOwnerOnly);
    }

    // The stand-in folder must be this user's alone: a planted symbolic link
    // or an open folder is never used, nor written into.
    void fallbackFolderIsPrivate()
    {
        qputenv("XDG_DATA_HOME", "/proc/none");
        const QString elsewhere = root_->filePath(QStringLiteral("elsewhere"));
        QVERIFY(QDir().mkpath(elsewhere) && QFile::link(elsewhere, Own()));
        const DataFolderChoice planted = ChooseDataFolder(kProgram);
        QVERIFY(QFile::remove(Own()) && QDir().mkdir(Own()));
        QVERIFY(QFile::setPermissions(
            Own(), kOwnerOnly | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther));
        for (const DataFolderChoice& choice : { planted, ChooseDataFolder(kProgram) })
            QVERIFY(!choice.Path.startsWith(Tmp()) && choice.ReadOnly);
        QVERIFY(Files(elsewhere).isEmpty());
    }

    // Old files move only into a data folder without any; a file that cannot
    // be copied (a folder holds its place) stays where it was, whole.
    void oldFilesMoveOnlyIntoAnEmptyDataFolder()
    {
        QVERIFY(MoveFrom({}).KeptInPlace.isEmpty() && Files(data_).isEmpty());
        MoveFrom({ "players.dat" }, { "other.DAT" });
        QVERIFY(Files(app_) == QStringList { "players.dat" } && Files(data_) == QStringList { "other.DAT" });
        MoveFrom({ "topten.dat", "other.dat", "readme.txt" });
        QVERIFY(Files(data_) == QStringList { "TopTen.dat" } && Files(app_) == QStringList { "readme.txt" });
        QCOMPARE(test::ReadBytes(data_ + "TopTen.dat"), QByteArray("topten.dat"));
        QVERIFY(MoveFrom({ "Players.DAT", "TopTen.dat" }).KeptInPlace.isEmpty() && Files(app_).isEmpty());
        QCOMPARE(Files(data_), (QStringList { "TopTen.dat", "players.dat" }));
        QCOMPARE(test::ReadBytes(data_ + "players.dat"), QByteArray("players.dat"));

        init();
        QVERIFY(QDir(data_).mkdir(QStringLiteral("players.dat")));
        test::WriteBytes(app_ + QStringLiteral("players.dat"), "precious");
        test::WriteBytes(app_ + QStringLiteral("topten.dat"), "scores");
        QCOMPARE(MoveOldDataFiles(app_, data_).KeptInPlace, QStringList { QStringLiteral("players.dat") });
        QCOMPARE(Files(data_), QStringList { QStringLiteral("TopTen.dat") });
        QCOMPARE(test::ReadBytes(app_ + QStringLiteral("players.dat")), QByteArray("precious"));
    }

    // Files copied from Windows keep whatever letter case they had there; when
    // two differ only by case the exact name wins; a folder is no file.
    void findsFilesInAnyCase()
    {
        const QString dir = root_->path();
        const auto find = [&dir](const char* name) { return FindFileAnyCase(dir, QString::fromLatin1(name)); };
        test::WriteBytes(dir + QStringLiteral("/Clickbg.wav"), "x");
        QVERIFY(find("CLICKBG.WAV").endsWith(QStringLiteral("/Clickbg.wav")) && find("Click.wav").isEmpty());
        QVERIFY(FindFileAnyCase(QString(), QStringLiteral("Clickbg.wav")).isEmpty());
        test::WriteBytes(dir + QStringLiteral("/ClickBG.wav"), "x");
        QVERIFY(find("ClickBG.wav").endsWith(QStringLiteral("/ClickBG.wav")));
        QVERIFY(find("Clickbg.wav").endsWith(QStringLiteral("/Clickbg.wav")));
        QVERIFY(QDir(dir).mkdir(QStringLiteral("Players.dat")));
        QVERIFY(find("players.dat").isEmpty() && find("Players.dat").isEmpty());
    }

    // While another process plays as Ann, Ann cannot be taken here, however
    // long that copy has held her; Bob can. A copy that ends gives Ann back;
    // one killed outright leaves its lock file, and the player is free at
    // once. A lock file a crash left empty is free once it is a moment old.
    void aPlayerIsKeptToOneCopy()
    {
        const QString dir = root_->path();
        std::unique_ptr<QProcess> other = StartOtherCopy(dir);
        QVERIFY(other);
        PlayerLock here;
        QVERIFY(!here.Take(dir, kAnn) && PlayerHeldElsewhere(dir, kAnn));
        QVERIFY(here.Take(dir, QStringLiteral("Bob")));
        QTest::qWait(1500); // older than a lock left by a crash may be
        QVERIFY(!here.Take(dir, kAnn) && here.Name() == QStringLiteral("Bob"));
        other->closeWriteChannel();
        QVERIFY(other->waitForFinished(10000) && other->exitCode() == 0);
        QVERIFY(!QFile::exists(PlayerLockPath(dir, kAnn)));
        QVERIFY(here.Take(dir, kAnn) && !QFile::exists(PlayerLockPath(dir, QStringLiteral("Bob"))));

        here.Release();
        other = StartOtherCopy(dir);
        QVERIFY(other);
        other->kill();
        QVERIFY(other->waitForFinished(10000) && QFile::exists(PlayerLockPath(dir, kAnn)));
        QVERIFY(here.Take(dir, kAnn));
        here.Release();
        test::WriteBytes(PlayerLockPath(dir, kAnn), QByteArray(), QDateTime::currentDateTime().addSecs(-5));
        QVERIFY(here.Take(dir, kAnn));
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(kOtherCopyFolder))
        return RunOtherCopy();
    QCoreApplication app(argc, argv);
    TestDataFolder test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_datafolder.moc"
