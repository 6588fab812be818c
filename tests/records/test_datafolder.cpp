#include "records/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Files(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

class TestDataFolder : public QObject {
    Q_OBJECT

private slots:
    void init();
    void folderUnderUserData();
    void unwritableLocationFallsBack();
    void noMoveWhenDataFolderHasFiles();
    void loneTopTenIsMoved();
    void bothFilesMovedInAnyCase();
    void failedCopyKeepsSource();

private:
    std::unique_ptr<QTemporaryDir> root_;
    QString app_;
    QString data_;
};

void TestDataFolder::init()
{
    root_ = std::make_unique<QTemporaryDir>();
    QDir(root_->path()).mkdir(QStringLiteral("app"));
    QDir(root_->path()).mkdir(QStringLiteral("data"));
    app_ = root_->filePath(QStringLiteral("app/"));
    data_ = root_->filePath(QStringLiteral("data/"));
}

void TestDataFolder::folderUnderUserData()
{
    qputenv("XDG_DATA_HOME", root_->filePath(QStringLiteral("share")).toLocal8Bit());
    const QString expected = root_->filePath(QStringLiteral("share/Solitaire Quibel/"));
    QCOMPARE(ResolveDataFolder(QStringLiteral("Solitaire Quibel")), expected);
    QVERIFY(QDir(expected).exists());
    QCOMPARE(ResolveDataFolder(QStringLiteral("Solitaire Quibel")), expected); // already there
    QVERIFY(Files(expected).isEmpty()); // no probe left behind
}

void TestDataFolder::unwritableLocationFallsBack()
{
    // A file where the folder should be cannot be made into a folder, whoever runs the test.
    const QString blocker = root_->filePath(QStringLiteral("blocker"));
    WriteBytes(blocker, "x");
    qputenv("XDG_DATA_HOME", blocker.toLocal8Bit());
    const QByteArray oldTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", root_->filePath(QStringLiteral("tmp")).toLocal8Bit());
    QDir(root_->path()).mkdir(QStringLiteral("tmp"));
    const QString folder = ResolveDataFolder(QStringLiteral("Solitaire Quibel"));
    qputenv("TMPDIR", oldTmp);
    QCOMPARE(folder, root_->filePath(QStringLiteral("tmp/Solitaire Quibel/")));
    QVERIFY(QDir(folder).exists());
}

void TestDataFolder::noMoveWhenDataFolderHasFiles()
{
    WriteBytes(data_ + QStringLiteral("other.DAT"), "keep");
    WriteBytes(app_ + QStringLiteral("players.dat"), "players");
    const DataFileMove move = MoveOldDataFiles(app_, data_);
    QVERIFY(!move.Moved);
    QCOMPARE(Files(app_), QStringList { QStringLiteral("players.dat") });
    QCOMPARE(Files(data_), QStringList { QStringLiteral("other.DAT") });

    QVERIFY(QFile::remove(app_ + QStringLiteral("players.dat")));
    QVERIFY(QFile::remove(data_ + QStringLiteral("other.DAT")));
    QVERIFY(!MoveOldDataFiles(app_, data_).Moved); // nothing anywhere
}

void TestDataFolder::loneTopTenIsMoved()
{
    WriteBytes(app_ + QStringLiteral("topten.dat"), "scores");
    WriteBytes(app_ + QStringLiteral("other.dat"), "stray");
    WriteBytes(app_ + QStringLiteral("readme.txt"), "text");
    const DataFileMove move = MoveOldDataFiles(app_, data_);
    QVERIFY(move.Moved);
    QCOMPARE(move.Copied, QStringList { QStringLiteral("TopTen.dat") });
    QVERIFY(move.KeptInPlace.isEmpty());
    QCOMPARE(Files(app_), QStringList { QStringLiteral("readme.txt") });
    QCOMPARE(Files(data_), QStringList { QStringLiteral("TopTen.dat") });
    QCOMPARE(ReadBytes(data_ + QStringLiteral("TopTen.dat")), QByteArray("scores"));
}

void TestDataFolder::bothFilesMovedInAnyCase()
{
    WriteBytes(app_ + QStringLiteral("Players.DAT"), "players");
    WriteBytes(app_ + QStringLiteral("TopTen.dat"), "scores");
    const DataFileMove move = MoveOldDataFiles(app_, data_);
    QCOMPARE(move.Copied, (QStringList { QStringLiteral("players.dat"), QStringLiteral("TopTen.dat") }));
    QVERIFY(Files(app_).isEmpty());
    QCOMPARE(ReadBytes(data_ + QStringLiteral("players.dat")), QByteArray("players"));
    QCOMPARE(ReadBytes(data_ + QStringLiteral("TopTen.dat")), QByteArray("scores"));
}

void TestDataFolder::failedCopyKeepsSource()
{
    // Something that is not a file already holds the players file's place.
    QVERIFY(QDir(data_).mkdir(QStringLiteral("players.dat")));
    WriteBytes(app_ + QStringLiteral("players.dat"), "precious");
    WriteBytes(app_ + QStringLiteral("topten.dat"), "scores");
    const DataFileMove move = MoveOldDataFiles(app_, data_);
    QVERIFY(move.Moved);
    QCOMPARE(move.Copied, QStringList { QStringLiteral("TopTen.dat") });
    QCOMPARE(move.KeptInPlace, QStringList { QStringLiteral("players.dat") });
    QCOMPARE(Files(app_), QStringList { QStringLiteral("players.dat") });
    QCOMPARE(ReadBytes(app_ + QStringLiteral("players.dat")), QByteArray("precious"));
}

QTEST_GUILESS_MAIN(TestDataFolder)
#include "test_datafolder.moc"
