#include "records/DataFolder.h"
#include "records/RecordFiles.h"
#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

QStringList Files(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

class TestDataFolder : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> root_;
    QString app_;
    QString data_;

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

private slots:
    void init()
    {
        root_ = std::make_unique<QTemporaryDir>();
        app_ = root_->filePath(QStringLiteral("app/"));
        data_ = root_->filePath(QStringLiteral("data/"));
        QVERIFY(QDir().mkpath(app_) && QDir().mkpath(data_));
    }

    void folderUnderUserDataElseTemp()
    {
        qputenv("XDG_DATA_HOME", root_->filePath(QStringLiteral("share")).toLocal8Bit());
        const QString expected = root_->filePath(QStringLiteral("share/Solitaire Quibel/"));
        QCOMPARE(ChooseDataFolder(QStringLiteral("Solitaire Quibel")).Path, expected);
        QCOMPARE(ChooseDataFolder(QStringLiteral("Solitaire Quibel")).Path, expected); // already there
        QVERIFY(Files(expected).isEmpty()); // no probe left behind

        // A file where the folder should be cannot be made into a folder, whoever runs the test.
        const QString blocker = root_->filePath(QStringLiteral("blocker"));
        test::WriteBytes(blocker, "x");
        qputenv("XDG_DATA_HOME", blocker.toLocal8Bit());
        const QByteArray oldTmp = qgetenv("TMPDIR");
        const QString tmp = root_->filePath(QStringLiteral("tmp"));
        QVERIFY(QDir().mkpath(tmp));
        qputenv("TMPDIR", tmp.toLocal8Bit());
        const QString folder = ChooseDataFolder(QStringLiteral("Solitaire Quibel")).Path;
        qputenv("TMPDIR", oldTmp);
        const QString own = tmp + QStringLiteral("/Solitaire Quibel-") + QString::number(::geteuid()) + '/';
        QCOMPARE(folder, own);
        QCOMPARE(
            QFile::permissions(own) & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    // The stand-in folder in the shared temporary folder must be this user's
    // alone: a planted symbolic link or an open folder is never used.
    void fallbackFolderIsPrivate()
    {
        qputenv("XDG_DATA_HOME", "/proc/none");
        const QByteArray oldTmp = qgetenv("TMPDIR");
        const QString tmp = root_->filePath(QStringLiteral("tmp"));
        const QString own = tmp + QStringLiteral("/Solitaire Quibel-") + QString::number(::geteuid());
        const QString elsewhere = root_->filePath(QStringLiteral("elsewhere"));
        QVERIFY(QDir().mkpath(tmp) && QDir().mkpath(elsewhere));
        qputenv("TMPDIR", tmp.toLocal8Bit());
        QVERIFY(QFile::link(elsewhere, own));
        const DataFolderChoice planted = ChooseDataFolder(QStringLiteral("Solitaire Quibel"));
        QVERIFY(QFile::remove(own));
        QVERIFY(QDir().mkdir(own));
        QVERIFY(QFile::setPermissions(own,
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                | QFileDevice::WriteOther | QFileDevice::ExeOther));
        const DataFolderChoice open = ChooseDataFolder(QStringLiteral("Solitaire Quibel"));
        qputenv("TMPDIR", oldTmp);
        for (const DataFolderChoice& choice : { planted, open }) {
            QVERIFY(!choice.Path.startsWith(tmp));
            QVERIFY(choice.ReadOnly);
        }
        QVERIFY(Files(elsewhere).isEmpty());
    }

    // A data folder that cannot be written but holds players is still theirs, read-only.
    void readOnlyFolderWithPlayers()
    {
        const QString share = root_->filePath(QStringLiteral("share"));
        const QString folder = share + QStringLiteral("/Solitaire Quibel/");
        QVERIFY(QDir().mkpath(folder));
        test::WriteBytes(folder + QStringLiteral("players.dat"), "players");
        qputenv("XDG_DATA_HOME", share.toLocal8Bit());
        QCOMPARE(ChooseDataFolder(QStringLiteral("Solitaire Quibel")).ReadOnly, false);
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const DataFolderChoice choice = ChooseDataFolder(QStringLiteral("Solitaire Quibel"));
        QVERIFY(
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        QCOMPARE(choice.Path, folder);
        QVERIFY(choice.ReadOnly);
        QVERIFY(QFile::setPermissions(folder + QStringLiteral("players.dat"), QFileDevice::ReadOwner));
        QVERIFY(ChooseDataFolder(QStringLiteral("Solitaire Quibel")).ReadOnly);
    }

    void oldFilesMoveOnlyIntoAnEmptyDataFolder()
    {
        QVERIFY(MoveFrom({}).KeptInPlace.isEmpty());
        QVERIFY(Files(data_).isEmpty());
        MoveFrom({ "players.dat" }, { "other.DAT" });
        QCOMPARE(Files(app_), QStringList { "players.dat" });
        QCOMPARE(Files(data_), QStringList { "other.DAT" });

        MoveFrom({ "topten.dat", "other.dat", "readme.txt" });
        QCOMPARE(Files(data_), QStringList { "TopTen.dat" });
        QCOMPARE(Files(app_), QStringList { "readme.txt" });
        QCOMPARE(test::ReadBytes(data_ + "TopTen.dat"), QByteArray("topten.dat"));

        QVERIFY(MoveFrom({ "Players.DAT", "TopTen.dat" }).KeptInPlace.isEmpty());
        QCOMPARE(Files(data_), (QStringList { "TopTen.dat", "players.dat" }));
        QVERIFY(Files(app_).isEmpty());
        QCOMPARE(test::ReadBytes(data_ + "players.dat"), QByteArray("players.dat"));
    }

    void failedCopyKeepsSource()
    {
        // Something that is not a file already holds the players file's place.
        QVERIFY(QDir(data_).mkdir(QStringLiteral("players.dat")));
        test::WriteBytes(app_ + QStringLiteral("players.dat"), "precious");
        test::WriteBytes(app_ + QStringLiteral("topten.dat"), "scores");
        const DataFileMove move = MoveOldDataFiles(app_, data_);
        QCOMPARE(Files(data_), QStringList { QStringLiteral("TopTen.dat") });
        QCOMPARE(move.KeptInPlace, QStringList { QStringLiteral("players.dat") });
        QCOMPARE(test::ReadBytes(app_ + QStringLiteral("players.dat")), QByteArray("precious"));
    }

    // Files copied from Windows keep whatever letter case they had there.
    void findsFilesInAnyCase()
    {
        QTemporaryDir tmp;
        const QString dir = tmp.path();
        test::WriteBytes(dir + QStringLiteral("/Clickbg.wav"), "x");
        QVERIFY(FindFileAnyCase(dir, QStringLiteral("CLICKBG.WAV")).endsWith(QStringLiteral("/Clickbg.wav")));
        QVERIFY(FindFileAnyCase(dir, QStringLiteral("Click.wav")).isEmpty());
        QVERIFY(FindFileAnyCase(QString(), QStringLiteral("Clickbg.wav")).isEmpty());
        // When two files differ only by case, the exact name wins.
        test::WriteBytes(dir + QStringLiteral("/ClickBG.wav"), "x");
        QVERIFY(FindFileAnyCase(dir, QStringLiteral("ClickBG.wav")).endsWith(QStringLiteral("/ClickBG.wav")));
        QVERIFY(FindFileAnyCase(dir, QStringLiteral("Clickbg.wav")).endsWith(QStringLiteral("/Clickbg.wav")));
        // A folder of that name is no file.
        QVERIFY(QDir(dir).mkdir(QStringLiteral("Players.dat")));
        QVERIFY(FindFileAnyCase(dir, QStringLiteral("players.dat")).isEmpty());
        QVERIFY(FindFileAnyCase(dir, QStringLiteral("Players.dat")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "test_datafolder.moc"
