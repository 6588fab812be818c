#include "records/TopTen.h"
#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestTopTen : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    GameState g_;

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        g_ = GameState();
        g_.DataFolder = dir_->path() + QLatin1Char('/');
    }

    void resetWritesDefaultTable()
    {
        QCOMPARE(TopTenStartupCheck(g_.DataFolder), TopTenStartup::Missing);
        QVERIFY(ResetTopTen(g_));
        QCOMPARE(test::ReadBytes(dir_->filePath(QStringLiteral("TopTen.dat"))),
            QByteArray(
                "*******\r\n7500\r\n*******\r\n7000\r\n*******\r\n6500\r\n*******\r\n6000\r\n*******\r\n5500\r\n"
                "*******\r\n5000\r\n*******\r\n4500\r\n*******\r\n4000\r\n*******\r\n3500\r\n*******\r\n3000\r\n"));
        QCOMPARE(TopTenStartupCheck(g_.DataFolder), TopTenStartup::Current);
    }

    void entryAgainstDefaultTable()
    {
        QVERIFY(ResetTopTen(g_) && LoadTopTen(g_));
        g_.PlayerName = QStringLiteral("Zoë");
        QVERIFY(!EnterTopTen(g_, 3000));
        QVERIFY(EnterTopTen(g_, 3001));
        QCOMPARE(g_.TopTen[9], (TopTenRow { QStringLiteral("Zoë"), 3001 }));
        QCOMPARE(g_.TopTen[10], TopTenRow()); // the empty row the sort takes along stays last
        // Saved numbers carry a blank before them.
        const QByteArray saved = test::ReadBytes(TopTenFilePath(g_.DataFolder));
        QVERIFY(saved.startsWith("*******\r\n 7500\r\n"));
        QVERIFY(saved.endsWith("*******\r\n 3500\r\nZo\xEB\r\n 3001\r\n"));

        // Another copy of the game entered a higher score meanwhile: the entry
        // rereads the file, so neither score is lost.
        GameState other;
        other.DataFolder = g_.DataFolder;
        other.PlayerName = QStringLiteral("Max");
        QVERIFY(LoadTopTen(other) && EnterTopTen(other, 9000));
        QVERIFY(EnterTopTen(g_, 4200));
        GameState later;
        later.DataFolder = g_.DataFolder;
        QVERIFY(LoadTopTen(later));
        QCOMPARE(later.TopTen[0], (TopTenRow { QStringLiteral("Max"), 9000 }));
        QCOMPARE(later.TopTen[8], (TopTenRow { QStringLiteral("Zoë"), 4200 }));
        QCOMPARE(later.TopTen[9], (TopTenRow { QStringLiteral("*******"), 4000 }));
    }

    void sortSwapsEqualScores()
    {
        // Only a strictly greater upper score stops a swap: with gaps 4, 2, 1 ten
        // equal scores come out in reverse order.
        TopTenTable rows;
        for (int i = 0; i < 10; ++i)
            rows[i] = { QString(QChar('A' + i)), 5 };
        SortTopTen(rows, 9);
        QString order;
        for (int i = 0; i < 10; ++i)
            order += rows[i].Name;
        QCOMPARE(order, QStringLiteral("JIHGFEDCBA"));

        // A new score equal to the ninth row's lands above it (gaps 5, 2, 1).
        for (int i = 0; i <= 8; ++i)
            rows[i] = { QString::number(i), 7500 - 500 * i };
        rows[9] = { QStringLiteral("new"), 3500 };
        SortTopTen(rows, 10);
        QCOMPARE(rows[8].Name + rows[9].Name, QStringLiteral("new8"));

        for (int i = 0; i < 13; ++i)
            rows[i] = { QString::number(i), i };
        SortTopTen(rows, 99); // clamped to the table
        for (int i = 0; i < 13; ++i)
            QCOMPARE(rows[i].Score, 12 - i);
    }

    void fieldReading()
    {
        for (int i = 0; i < 10; ++i)
            g_.TopTen[i] = { QStringLiteral("old"), 1 };
        // Two values on one line, a quoted comma, blanks around values, text as a
        // score, a quote never closed, then the file ends.
        test::WriteBytes(dir_->filePath(QStringLiteral("TopTen.dat")),
            "Ann, 5000\r\n  \"Smith, J\" junk\r\n 4000 \r\nBo\nabc\r\n\r\n7\r\n\"Cy\r\n");
        QVERIFY(LoadTopTen(g_));
        const QList<TopTenRow> read
            = { { QStringLiteral("Ann"), 5000 }, { QStringLiteral("Smith, J"), 4000 }, { QStringLiteral("Bo"), 0 },
                  { QString(), 7 }, { QStringLiteral("Cy\r\n"), 1 }, { QStringLiteral("old"), 1 } };
        QCOMPARE(QList<TopTenRow>(g_.TopTen.begin(), g_.TopTen.begin() + read.size()), read);

        test::WriteBytes(dir_->filePath(QStringLiteral("TopTen.dat")), QByteArray("\0\xFF,,,\"\"\"", 8));
        QVERIFY(LoadTopTen(g_));
        QCOMPARE(g_.TopTen[9], (TopTenRow { QStringLiteral("old"), 1 }));

        QVERIFY(QFile::remove(dir_->filePath(QStringLiteral("TopTen.dat"))));
        const TopTenTable before = g_.TopTen;
        QVERIFY(!LoadTopTen(g_));
        QCOMPARE(g_.TopTen, before);
    }

    // A table written under another letter case is found, read and rewritten in place.
    void fileNameInAnyCase()
    {
        test::WriteBytes(dir_->filePath(QStringLiteral("topten.dat")), "Old\r\n100\r\n");
        QCOMPARE(TopTenStartupCheck(g_.DataFolder), TopTenStartup::Current);
        QVERIFY(LoadTopTen(g_) && SaveTopTen(g_));
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList { QStringLiteral("topten.dat") });
        QVERIFY(test::ReadBytes(dir_->filePath(QStringLiteral("topten.dat"))).startsWith("Old\r\n 100\r\n"));
    }

    void failedSaveKeepsFile()
    {
        QVERIFY(ResetTopTen(g_));
        const QByteArray old = test::ReadBytes(TopTenFilePath(g_.DataFolder));
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("topten.tmp")));
        g_.TopTen[0] = { QStringLiteral("new"), 99999 };
        QVERIFY(!SaveTopTen(g_));
        QVERIFY(!ResetTopTen(g_));
        QCOMPARE(test::ReadBytes(TopTenFilePath(g_.DataFolder)), old);
    }

    void ageInWholeDaysHalfToEven()
    {
        const QDate today(2024, 3, 20);
        const QDate sixteenBack = today.addDays(-16);
        QCOMPARE(TopTenAgeDays(QDateTime(sixteenBack, QTime(0, 0)), today), 16);
        QCOMPARE(TopTenAgeDays(QDateTime(sixteenBack, QTime(18, 0)), today), 15); // 15.25
        QCOMPARE(TopTenAgeDays(QDateTime(sixteenBack, QTime(12, 0)), today), 16); // 15.5 goes to even
        QCOMPARE(TopTenAgeDays(QDateTime(today.addDays(-15), QTime(12, 0)), today), 14); // 14.5 goes to even
        QCOMPARE(TopTenAgeDays(QDateTime(today, QTime(9, 0)), today), 0); // -0.375
    }
};

QTEST_GUILESS_MAIN(TestTopTen)
#include "test_topten.moc"
