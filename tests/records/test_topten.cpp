// The top ten file: written byte for byte as the game always wrote it, read
// from whatever another program or a hand left in it, entered under its lock
// with no score lost, and kept whole on a full disk.

#include "records/TopTen.h"
#include "support/Files.h"
#include "support/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>

class TestTopTen : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    GameState g_;

    QString File() const { return dir_->filePath(QStringLiteral("TopTen.dat")); }
    // The rows the file holds, from the first one on.
    QList<TopTenRow> OnDisk(qsizetype rows) const
    {
        const TopTenTable table = test::TopTenOnDisk(g_.DataFolder);
        return QList<TopTenRow>(table.begin(), table.begin() + rows);
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        g_ = GameState();
        g_.DataFolder = dir_->path() + QLatin1Char('/');
    }

    // A reset writes the default table; an entry rewrites it with a blank
    // before each number; an entry equal to the tenth does not enter. Another
    // copy's entry made meanwhile is reread, so neither score is lost.
    void resetThenEntries()
    {
        QCOMPARE(TopTenStartupCheck(g_.DataFolder), TopTenStartup::Missing);
        QVERIFY(ResetTopTen(g_) && LoadTopTen(g_));
        QCOMPARE(test::ReadBytes(File()),
            QByteArray(
                "*******\r\n7500\r\n*******\r\n7000\r\n*******\r\n6500\r\n*******\r\n6000\r\n*******\r\n5500\r\n"
                "*******\r\n5000\r\n*******\r\n4500\r\n*******\r\n4000\r\n*******\r\n3500\r\n*******\r\n3000\r\n"));
        QCOMPARE(TopTenStartupCheck(g_.DataFolder), TopTenStartup::Current);
        g_.PlayerName = QStringLiteral("Zoë");
        QCOMPARE(EnterTopTen(g_, 3000), TopTenEntry::NotEntered);
        QCOMPARE(EnterTopTen(g_, 3001), TopTenEntry::Saved);
        QVERIFY(g_.TopTen[9] == (TopTenRow { QStringLiteral("Zoë"), 3001 }) && g_.TopTen[10] == TopTenRow());
        const QByteArray saved = test::ReadBytes(File());
        QVERIFY(saved.startsWith("*******\r\n 7500\r\n") && saved.endsWith("*******\r\n 3500\r\nZo\xEB\r\n 3001\r\n"));

        GameState other;
        other.DataFolder = g_.DataFolder;
        other.PlayerName = QStringLiteral("Max");
        QVERIFY(LoadTopTen(other));
        QCOMPARE(EnterTopTen(other, 9000), TopTenEntry::Saved);
        QCOMPARE(EnterTopTen(g_, 4200), TopTenEntry::Saved);
        const TopTenTable later = test::TopTenOnDisk(g_.DataFolder);
        QCOMPARE(later[0], (TopTenRow { QStringLiteral("Max"), 9000 }));
        QCOMPARE(later[8], (TopTenRow { QStringLiteral("Zoë"), 4200 }));
        QCOMPARE(later[9], (TopTenRow { QStringLiteral("*******"), 4000 }));
    }

    // Only a strictly greater upper score stops a swap: with gaps 4, 2, 1 ten
    // equal scores come out in reverse order; a new score equal to the ninth
    // row's lands above it (gaps 5, 2, 1).
    void sortSwapsEqualScores()
    {
        TopTenTable rows;
        for (int i = 0; i < 10; ++i)
            rows[i] = { QString(QChar('A' + i)), 5 };
        SortTopTen(rows, 9);
        QString order;
        for (int i = 0; i < 10; ++i)
            order += rows[i].Name;
        QCOMPARE(order, QStringLiteral("JIHGFEDCBA"));
        for (int i = 0; i <= 8; ++i)
            rows[i] = { QString::number(i), 7500 - 500 * i };
        rows[9] = { QStringLiteral("new"), 3500 };
        SortTopTen(rows, 10);
        QCOMPARE(rows[8].Name + rows[9].Name, QStringLiteral("new8"));
    }

    // Two values on one line, a quoted comma, blanks around values, text as a
    // score, a quote never closed, then the file ends: the rows beyond stay.
    // Garbage reads as something; a missing file leaves the table alone.
    void fieldReading()
    {
        for (int i = 0; i < 10; ++i)
            g_.TopTen[i] = { QStringLiteral("old"), 1 };
        test::WriteBytes(File(), "Ann, 5000\r\n  \"Smith, J\" junk\r\n 4000 \r\nBo\nabc\r\n\r\n7\r\n\"Cy\r\n");
        QVERIFY(LoadTopTen(g_));
        const QList<TopTenRow> read
            = { { QStringLiteral("Ann"), 5000 }, { QStringLiteral("Smith, J"), 4000 }, { QStringLiteral("Bo"), 0 },
                  { QString(), 7 }, { QStringLiteral("Cy\r\n"), 1 }, { QStringLiteral("old"), 1 } };
        QCOMPARE(QList<TopTenRow>(g_.TopTen.begin(), g_.TopTen.begin() + read.size()), read);
        test::WriteBytes(File(), QByteArray("\0\xFF,,,\"\"\"", 8));
        QVERIFY(LoadTopTen(g_));
        QCOMPARE(g_.TopTen[9], (TopTenRow { QStringLiteral("old"), 1 }));
        QVERIFY(QFile::remove(File()));
        const TopTenTable before = g_.TopTen;
        QVERIFY(!LoadTopTen(g_) && g_.TopTen == before);
    }

    // Names from older players files may hold commas and quotes: each reads
    // back as one value, and no other row moves.
    void namesWithCommasAndQuotes()
    {
        test::WriteBytes(File(),
            "\"Smith, John\"\r\n 9000\r\nAnn\r\n 8000\r\nBob \"B\" Bop\r\n 7000\r\n*******\r\n6000\r\n*******\r\n"
            "5000\r\n*******\r\n4000\r\n*******\r\n3000\r\n*******\r\n2000\r\n*******\r\n1000\r\nZed\r\n500\r\n");
        QVERIFY(LoadTopTen(g_));
        const std::pair<QString, QString> names[] = { { QStringLiteral("Lee, Ann"), QStringLiteral("Lee, Ann") },
            { QStringLiteral("\"Ace\""), QStringLiteral("'Ace'") },
            { QStringLiteral("Say \"hi\", Al"), QStringLiteral("Say 'hi', Al") },
            { QStringLiteral("Smith, John"), QStringLiteral("Smith, John") } };
        for (int i = 0; i < 4; ++i) {
            g_.PlayerName = names[i].first;
            QCOMPARE(EnterTopTen(g_, 9500 + i), TopTenEntry::Saved);
        }
        const TopTenTable later = test::TopTenOnDisk(g_.DataFolder);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(later[3 - i], (TopTenRow { names[i].second, 9500 + i }));
        QCOMPARE(later[4], (TopTenRow { QStringLiteral("Smith, John"), 9000 }));
        QCOMPARE(later[6], (TopTenRow { QStringLiteral("Bob \"B\" Bop"), 7000 }));
    }

    // Hand-edited or damaged tables (negative scores, figures beyond 32 bits,
    // more rows out of order): no valid row is lost at the next entry but the
    // lowest, which the entry replaces; blank rows only below every real one.
    void damagedTablesKeepTheirRows()
    {
        QByteArray negative;
        QByteArray more;
        QList<TopTenRow> negativeRows { { QStringLiteral("New"), 3500 } };
        QList<TopTenRow> moreRows;
        for (int i = 1; i <= 12; ++i) {
            more += "M" + QByteArray::number(i) + "\r\n" + QByteArray::number(i * 1000) + "\r\n";
            if (i <= 10)
                negative += "N" + QByteArray::number(i) + "\r\n-" + QByteArray::number(i * 10) + "\r\n";
            if (i < 10)
                negativeRows.append({ QStringLiteral("N%1").arg(i), -i * 10 });
            if (i <= 9)
                moreRows.append({ QStringLiteral("M%1").arg(13 - i), (13 - i) * 1000 });
        }
        moreRows.append({ QStringLiteral("New"), 3500 });
        const QList<TopTenRow> bigRows { { QStringLiteral("Big"), 2147483647 }, { QStringLiteral("New"), 3500 },
            { QStringLiteral("Low"), -2147483647 - 1 } };
        for (const auto& [file, expected] : { std::pair { negative, negativeRows },
                 { QByteArray("Big\r\n99999999999\r\nLow\r\n-99999999999\r\n"), bigRows }, { more, moreRows } }) {
            test::WriteBytes(File(), file);
            g_.TopTen = TopTenTable();
            QVERIFY(LoadTopTen(g_));
            g_.PlayerName = QStringLiteral("New");
            QCOMPARE(EnterTopTen(g_, 3500), TopTenEntry::Saved);
            QCOMPARE(OnDisk(expected.size()), expected);
            for (qsizetype i = expected.size(); i < 10; ++i)
                QCOMPARE(test::TopTenOnDisk(g_.DataFolder)[i].Name, QString());
        }
    }

    // On a full disk an entry is kept in memory, reported, and written by a
    // later try, once; a reset fails too, and the file keeps what it held.
    void failedEntryIsReportedAndRetried()
    {
        QVERIFY(ResetTopTen(g_) && LoadTopTen(g_));
        const QByteArray old = test::ReadBytes(File());
        const rlim_t room = test::FullDisk::LockRoom(); // room for the lock, not for the table
        QVERIFY(room > 0 && old.size() > qint64(room));
        {
            const test::FullDisk full(room);
            g_.PlayerName = QStringLiteral("Ann");
            QCOMPARE(EnterTopTen(g_, 5100), TopTenEntry::NotSaved);
            QCOMPARE(g_.TopTen[5], (TopTenRow { QStringLiteral("Ann"), 5100 }));
            QCOMPARE(RetryTopTenEntry(g_, { QStringLiteral("Ann"), 5100 }), TopTenEntry::NotSaved);
            QCOMPARE(g_.TopTen[6], (TopTenRow { QStringLiteral("*******"), 5000 }));
            QVERIFY(!ResetTopTen(g_));
        }
        QCOMPARE(test::ReadBytes(File()), old);
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList { QStringLiteral("TopTen.dat") });
        QCOMPARE(RetryTopTenEntry(g_, { QStringLiteral("Ann"), 5100 }), TopTenEntry::Saved);
        QCOMPARE(test::TopTenOnDisk(g_.DataFolder), g_.TopTen);
    }

    // A table written under another letter case is found, read and rewritten
    // in place; the empty rows' zero has its blank too.
    void fileNameInAnyCase()
    {
        test::WriteBytes(dir_->filePath(QStringLiteral("topten.dat")), "Old\r\n100\r\n");
        QCOMPARE(TopTenStartupCheck(g_.DataFolder), TopTenStartup::Current);
        QVERIFY(LoadTopTen(g_));
        QCOMPARE(EnterTopTen(g_, 200), TopTenEntry::Saved);
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList { QStringLiteral("topten.dat") });
        const QByteArray written = test::ReadBytes(dir_->filePath(QStringLiteral("topten.dat")));
        QVERIFY(written.contains(" 200\r\n") && written.contains("Old\r\n 100\r\n") && written.endsWith("\r\n 0\r\n"));
    }

    // Days back and hour of the day: 16, 15.25, 15.5 and 14.5 (to even), -0.375.
    void ageInWholeDaysHalfToEven()
    {
        const QDate today(2024, 3, 20);
        for (const auto& [back, hour, days] :
            { std::tuple { 16, 0, 16 }, { 16, 18, 15 }, { 16, 12, 16 }, { 15, 12, 14 }, { 0, 9, 0 } })
            QCOMPARE(TopTenAgeDays(QDateTime(today.addDays(-back), QTime(hour, 0)), today), days);
    }
};

QTEST_GUILESS_MAIN(TestTopTen)
#include "test_topten.moc"
