#include "records/TopTen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QStringList Names(const TopTenTable& rows, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(rows[i].Name);
    return names;
}

} // namespace

class TestTopTen : public QObject {
    Q_OBJECT

private slots:
    void init();
    void resetWritesDefaultTable();
    void entryAgainstDefaultTable();
    void sortSwapsEqualScores();
    void fieldReading();
    void fileNameInAnyCase();
    void failedSaveKeepsFile();
    void age();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    GameState g_;
};

void TestTopTen::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    g_ = GameState();
    g_.DataFolder = dir_->path() + QLatin1Char('/');
}

void TestTopTen::resetWritesDefaultTable()
{
    QCOMPARE(TopTenStartupCheck(g_.DataFolder), TopTenStartup::Missing);
    g_.TopTen[0] = { QStringLiteral("kept"), 1 };
    QVERIFY(ResetTopTen(g_));
    QCOMPARE(g_.TopTen[0].Name, QStringLiteral("kept"));
    QCOMPARE(ReadBytes(dir_->filePath(QStringLiteral("TopTen.dat"))),
        QByteArray("*******\r\n7500\r\n*******\r\n7000\r\n*******\r\n6500\r\n*******\r\n6000\r\n*******\r\n5500\r\n"
                   "*******\r\n5000\r\n*******\r\n4500\r\n*******\r\n4000\r\n*******\r\n3500\r\n*******\r\n3000\r\n"));
    QVERIFY(LoadTopTen(g_));
    QCOMPARE(g_.TopTen[0], (TopTenRow { QStringLiteral("*******"), 7500 }));
    QCOMPARE(g_.TopTen[9], (TopTenRow { QStringLiteral("*******"), 3000 }));
    QCOMPARE(g_.TopTen[10], TopTenRow());
    QCOMPARE(TopTenStartupCheck(g_.DataFolder), TopTenStartup::Current);
}

void TestTopTen::entryAgainstDefaultTable()
{
    QVERIFY(ResetTopTen(g_));
    QVERIFY(LoadTopTen(g_));
    g_.PlayerName = QStringLiteral("Zoë");
    QVERIFY(!QualifiesForTopTen(g_, 3000));
    QVERIFY(!EnterTopTen(g_, 3000));
    QVERIFY(QualifiesForTopTen(g_, 3001));
    QVERIFY(EnterTopTen(g_, 3001));
    QCOMPARE(g_.TopTenRows, int16_t(10));
    QCOMPARE(g_.TopTen[9], (TopTenRow { QStringLiteral("Zoë"), 3001 }));
    QCOMPARE(g_.TopTen[10], TopTenRow()); // the empty row the sort takes along stays last

    // Saved numbers carry a blank before them; a later load shows the entry below 3500.
    const QByteArray saved = ReadBytes(TopTenFilePath(g_.DataFolder));
    QVERIFY(saved.startsWith("*******\r\n 7500\r\n"));
    QVERIFY(saved.endsWith("*******\r\n 3500\r\nZo\xEB\r\n 3001\r\n"));
    GameState later;
    later.DataFolder = g_.DataFolder;
    QVERIFY(LoadTopTen(later));
    SortTopTen(later.TopTen, 9);
    QCOMPARE(later.TopTen[8].Score, 3500);
    QCOMPARE(later.TopTen[9], (TopTenRow { QStringLiteral("Zoë"), 3001 }));

    // Another copy of the game entered a higher score meanwhile: the entry
    // rereads the file, so neither score is lost.
    GameState other;
    other.DataFolder = g_.DataFolder;
    other.PlayerName = QStringLiteral("Max");
    QVERIFY(LoadTopTen(other));
    QVERIFY(EnterTopTen(other, 9000));
    QVERIFY(EnterTopTen(g_, 4200));
    QVERIFY(LoadTopTen(later));
    QCOMPARE(later.TopTen[0], (TopTenRow { QStringLiteral("Max"), 9000 }));
    QCOMPARE(later.TopTen[8], (TopTenRow { QStringLiteral("Zoë"), 4200 }));
    QCOMPARE(later.TopTen[9], (TopTenRow { QStringLiteral("*******"), 4000 }));
}

void TestTopTen::sortSwapsEqualScores()
{
    // Only a strictly greater upper score stops a swap: with gaps 4, 2, 1 ten
    // equal scores come out in reverse order.
    TopTenTable rows;
    for (int i = 0; i < 10; ++i)
        rows[i] = { QString(QChar('A' + i)), 5 };
    SortTopTen(rows, 9);
    QCOMPARE(Names(rows, 10).join(QString()), QStringLiteral("JIHGFEDCBA"));

    // A new score equal to the ninth row's lands above it (gaps 5, 2, 1).
    for (int i = 0; i <= 8; ++i)
        rows[i] = { QString::number(i), 7500 - 500 * i };
    rows[9] = { QStringLiteral("new"), 3500 };
    SortTopTen(rows, 10);
    QCOMPARE(rows[8].Name, QStringLiteral("new"));
    QCOMPARE(rows[9].Name, QStringLiteral("8"));
    QCOMPARE(rows[7].Name, QStringLiteral("7"));

    TopTenTable reversed;
    for (int i = 0; i < 13; ++i)
        reversed[i] = { QString::number(i), i };
    SortTopTen(reversed, 99); // clamped to the table
    for (int i = 0; i < 13; ++i)
        QCOMPARE(reversed[i].Score, 12 - i);
}

void TestTopTen::fieldReading()
{
    for (int i = 0; i < 10; ++i)
        g_.TopTen[i] = { QStringLiteral("old"), 1 };
    // Two values on one line, a quoted comma, blanks around values, text as a
    // score, a quote never closed, then the file ends.
    WriteBytes(dir_->filePath(QStringLiteral("TopTen.dat")),
        "Ann, 5000\r\n  \"Smith, J\" junk\r\n 4000 \r\nBo\nabc\r\n\r\n7\r\n\"Cy\r\n");
    QVERIFY(LoadTopTen(g_));
    QCOMPARE(g_.TopTen[0], (TopTenRow { QStringLiteral("Ann"), 5000 }));
    QCOMPARE(g_.TopTen[1], (TopTenRow { QStringLiteral("Smith, J"), 4000 }));
    QCOMPARE(g_.TopTen[2], (TopTenRow { QStringLiteral("Bo"), 0 }));
    QCOMPARE(g_.TopTen[3], (TopTenRow { QString(), 7 }));
    QCOMPARE(g_.TopTen[4], (TopTenRow { QStringLiteral("Cy\r\n"), 1 }));
    QCOMPARE(g_.TopTen[5], (TopTenRow { QStringLiteral("old"), 1 }));

    WriteBytes(dir_->filePath(QStringLiteral("TopTen.dat")), QByteArray("\0\xFF,,,\"\"\"", 8));
    QVERIFY(LoadTopTen(g_));
    QCOMPARE(g_.TopTen[9], (TopTenRow { QStringLiteral("old"), 1 }));

    QVERIFY(QFile::remove(dir_->filePath(QStringLiteral("TopTen.dat"))));
    const TopTenTable before = g_.TopTen;
    QVERIFY(!LoadTopTen(g_));
    QCOMPARE(g_.TopTen, before);
}

void TestTopTen::fileNameInAnyCase()
{
    WriteBytes(dir_->filePath(QStringLiteral("topten.dat")), "Old\r\n100\r\n");
    QCOMPARE(TopTenFilePath(g_.DataFolder), dir_->filePath(QStringLiteral("topten.dat")));
    QCOMPARE(TopTenStartupCheck(g_.DataFolder), TopTenStartup::Current);
    QVERIFY(LoadTopTen(g_));
    QCOMPARE(g_.TopTen[0], (TopTenRow { QStringLiteral("Old"), 100 }));
    QVERIFY(SaveTopTen(g_));
    QCOMPARE(QDir(dir_->path()).entryList({ QStringLiteral("*.dat") }, QDir::Files),
        QStringList { QStringLiteral("topten.dat") });
    QVERIFY(ReadBytes(dir_->filePath(QStringLiteral("topten.dat"))).startsWith("Old\r\n 100\r\n"));
}

void TestTopTen::failedSaveKeepsFile()
{
    QVERIFY(ResetTopTen(g_));
    const QByteArray old = ReadBytes(TopTenFilePath(g_.DataFolder));
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("topten.tmp")));
    g_.TopTen[0] = { QStringLiteral("new"), 99999 };
    QVERIFY(!SaveTopTen(g_));
    QVERIFY(!ResetTopTen(g_));
    QCOMPARE(ReadBytes(TopTenFilePath(g_.DataFolder)), old);
}

void TestTopTen::age()
{
    const QDate today(2024, 3, 20);
    const QDate sixteenBack = today.addDays(-16);
    QCOMPARE(TopTenAgeDays(QDateTime(sixteenBack, QTime(0, 0)), today), 16);
    QCOMPARE(TopTenAgeDays(QDateTime(sixteenBack, QTime(18, 0)), today), 15); // 15.25
    QCOMPARE(TopTenAgeDays(QDateTime(sixteenBack, QTime(12, 0)), today), 16); // 15.5 goes to even
    QCOMPARE(TopTenAgeDays(QDateTime(today.addDays(-15), QTime(12, 0)), today), 14); // 14.5 goes to even
    QCOMPARE(TopTenAgeDays(QDateTime(today, QTime(9, 0)), today), 0); // -0.375

    QVERIFY(ResetTopTen(g_));
    QFile file(TopTenFilePath(g_.DataFolder));
    QVERIFY(file.open(QIODevice::ReadWrite));
    const QDate now = QDate::currentDate();
    QVERIFY(file.setFileTime(QDateTime(now.addDays(-16), QTime(0, 0)), QFileDevice::FileModificationTime));
    QCOMPARE(TopTenStartupCheck(g_.DataFolder, now), TopTenStartup::Old);
    QVERIFY(file.setFileTime(QDateTime(now.addDays(-16), QTime(18, 0)), QFileDevice::FileModificationTime));
    QCOMPARE(TopTenStartupCheck(g_.DataFolder, now), TopTenStartup::Current);
}

QTEST_GUILESS_MAIN(TestTopTen)
#include "test_topten.moc"
