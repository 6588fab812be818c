// The player's two data files, byte for byte as the game always wrote them.
// The players file: its records, rewrites that keep every other line and the
// file whole, its locks, new names, and the scrambling of its lines. The top
// ten: read from whatever another program or a hand left in it, entered under
// its lock with no score lost, and kept whole on a full disk.

#include "game/Deal.h"
#include "records/PlayersFile.h"
#include "records/RecordFiles.h"
#include "records/Scramble.h"
#include "records/TopTen.h"
#include "support/Files.h"
#include "support/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>

namespace {

// A record's text with '|' standing for the field separator.
QByteArray Fields(const char* text)
{
    return QByteArray(text).replace('|', kPlayerFieldSeparator);
}

// A copy of the game playing as this player (a new one when the file lacks the name).
GameState PlayingAs(const QString& path, const QString& name)
{
    GameState g;
    g.PlayersFilePath = path;
    LoadPlayer(g, FindPlayer(path, name).value_or(NewPlayerRecord(name)));
    return g;
}

} // namespace

class TestDataFiles : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString path_; // the players file
    GameState g_; // a game whose data folder is dir_

    QString File() const { return dir_->filePath(QStringLiteral("TopTen.dat")); }
    // The rows the top ten file holds, from the first one on.
    QList<TopTenRow> OnDisk(qsizetype rows) const
    {
        const TopTenTable table = test::TopTenOnDisk(g_.DataFolder);
        return QList<TopTenRow>(table.begin(), table.begin() + rows);
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        path_ = dir_->filePath(QStringLiteral("players.dat"));
        g_ = GameState();
        g_.DataFolder = dir_->path() + QLatin1Char('/');
    }

    // Players are added once each (case counts), saved each on their own
    // line, and deleted; a player with no line is not added by a save.
    void addSaveReloadDelete()
    {
        for (const char* name : { "Ann", "Bob", "ann" })
            QVERIFY(AppendPlayer(path_, QString::fromLatin1(name)));
        QVERIFY(!AppendPlayer(path_, QStringLiteral("Bob")) && !AppendPlayer(path_, QString()));

        // Two copies of the game, each with its own player: neither loses the other's save.
        GameState bob = PlayingAs(path_, QStringLiteral("Bob"));
        GameState ann = PlayingAs(path_, QStringLiteral("Ann"));
        const QByteArray lowerAnn = test::ReadBytes(path_).split('\n')[2];
        bob.Bankroll = -1500;
        bob.GamesPlayed = 7;
        bob.SoundOn = false;
        QVERIFY(SavePlayers(bob));
        ann.UseHandPopups = false;
        QVERIFY(SavePlayers(ann));
        const QList<PlayerRecord> players = ReadPlayers(path_);
        QCOMPARE(players,
            (QList<PlayerRecord> { { QStringLiteral("Ann"), 1000, true, true, 0, false },
                { QStringLiteral("Bob"), -1500, false, true, 7, true }, NewPlayerRecord(QStringLiteral("ann")) }));
        QCOMPARE(test::ReadBytes(path_).split('\n')[2], lowerAnn); // untouched, byte for byte

        const QByteArray saved = test::ReadBytes(path_);
        QVERIFY(SavePlayers(PlayingAs(path_, QStringLiteral("Cy"))));
        QCOMPARE(test::ReadBytes(path_), saved);
        QVERIFY(DeletePlayer(path_, QStringLiteral("Ann")) && ReadPlayers(path_) == players.mid(1));
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList { "players.dat" });
    }

    // Fields missing at the end read as zero or False, never as a new
    // player's defaults; figures beyond 32 bits stop at the nearest limit.
    // A record as the file and the player list write it.
    void fieldsAsRead()
    {
        QCOMPARE(*ParsePlayerRecord(Fields("Zed|250|")), (PlayerRecord { QStringLiteral("Zed"), 250 }));
        QCOMPARE(*ParsePlayerRecord(Fields("Zed|250|True|True|")),
            (PlayerRecord { QStringLiteral("Zed"), 250, true, true, 0, false }));
        QCOMPARE(*ParsePlayerRecord(Fields("Zed| -12abc|true|True |13.5|True")),
            (PlayerRecord { QStringLiteral("Zed"), -12, false, false, 14, false })); // no separator after the last
        QVERIFY(ParsePlayerRecord(Fields("Zed|3000000000|"))->Bankroll == 2147483647
            && ParsePlayerRecord(Fields("Zed|-1e12|1|1|9e99|"))->GamesPlayed == 2147483647);
        QVERIFY(!ParsePlayerRecord("no separator") && !ParsePlayerRecord(Fields("|1000|")));
        QCOMPARE(PlayerRecordText(NewPlayerRecord(QStringLiteral("Zoë"))), Fields("Zo\xEB|1000|True|True|0|True|"));
        // The player list's line: name, bankroll, average score.
        QCOMPARE(PlayerListLine({ QStringLiteral("Zed"), 7000, true, true, 2, true }),
            QStringLiteral("Zed").leftJustified(25) + QStringLiteral("\t$7,000    \t$3,500"));
    }

    // The disk fills up: the lock is taken but the new file cannot be
    // written. Every rewrite fails, the file stays whole and no half-written
    // copy is left beside it; nor is anything written while not even the lock
    // fits. A file that cannot be read is never replaced by an empty one.
    void failedRewriteKeepsFile()
    {
        for (const char* name : { "Ann", "Bob", "Cy", "Di" })
            QVERIFY(AppendPlayer(path_, QString::fromLatin1(name)));
        const QByteArray old = test::ReadBytes(path_);
        GameState g = PlayingAs(path_, QStringLiteral("Ann"));
        g.Bankroll = 5;
        const rlim_t room = test::FullDisk::LockRoom();
        QVERIFY(room > 0 && old.size() > qint64(room));
        for (const rlim_t fits : { room, rlim_t(0) }) {
            const test::FullDisk full(fits);
            QVERIFY(!SavePlayers(g) && !AppendPlayer(path_, QStringLiteral("Ed")));
            QVERIFY(!DeletePlayer(path_, QStringLiteral("Ann")));
        }
        QCOMPARE(test::ReadBytes(path_), old);
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList { "players.dat" });
        g.PlayersFilePath = dir_->filePath(QStringLiteral("missing.dat"));
        QVERIFY(!SavePlayers(g) && !DeletePlayer(g.PlayersFilePath, QStringLiteral("Ann"))
            && !QFile::exists(g.PlayersFilePath));
    }

    // Files other editors wrote (other line endings, a byte-order mark,
    // blanks, lines that are no player): saving one player changes his line
    // alone; a new player follows the last line, which gains an ending.
    void filesFromOtherEditors()
    {
        // Lines as other editors wrote them, each with its own seed.
        const QByteArray ann = ScrambleWithSeed(kScrambleKey, Fields("Ann|1000|True|True|0|True|"), 33);
        const QByteArray bob = ScrambleWithSeed(kScrambleKey, Fields("Bob|200|True|False|4|True|"), 44);
        const QByteArray cy = ScrambleWithSeed(kScrambleKey, Fields("Cy|300|False|False|5|False|"), 55);
        const QByteArray mark = "\xEF\xBB\xBF";
        // Lines that are no player (garbage, blank, cut short) are kept as they are.
        const QByteArray unread = "this is not a player\r\n\r\n" + ann.left(8) + "\r\n";
        for (const QByteArray& before : { ann + '\r' + bob + '\r' + cy + '\r', mark + ann + "\r\n" + bob + '\n' + cy,
                 "  " + ann + " \r\n" + unread + bob + "\r\n" + cy + "\r\n" }) {
            test::WriteBytes(path_, before);
            const QList<PlayerRecord> players = ReadPlayers(path_);
            QVERIFY(players.size() == 3 && players[0].Name == QStringLiteral("Ann"));
            QCOMPARE(players[2], (PlayerRecord { QStringLiteral("Cy"), 300, false, false, 5, false }));
            GameState g = PlayingAs(path_, QStringLiteral("Bob"));
            g.Bankroll = 150;
            QVERIFY(SavePlayers(g));
            const QByteArray after = test::ReadBytes(path_);
            const qsizetype at = before.indexOf(bob);
            const qsizetype next = before.indexOf(cy);
            QVERIFY(after.startsWith(before.left(at)) && after.endsWith(before.mid(next)));
            const QByteArray rewritten = after.mid(at, after.size() - at - (before.size() - next));
            QVERIFY(rewritten.endsWith("\r\n") && !rewritten.chopped(2).contains('\n'));
            QCOMPARE(FindPlayer(path_, QStringLiteral("Bob"))->Bankroll, 150);

            QVERIFY(AppendPlayer(path_, QStringLiteral("Di")) && ReadPlayers(path_).size() == 4);
            QVERIFY(test::ReadBytes(path_).startsWith(after));
        }
    }

    // A lock a crash left (empty, or its process gone) is taken over; a live copy's is respected.
    void locksLeftByACrashAreTakenOver()
    {
        QVERIFY(AppendPlayer(path_, QStringLiteral("Ann")));
        GameState g = PlayingAs(path_, QStringLiteral("Ann"));
        const QString lockPath = dir_->filePath(QStringLiteral("players.lock"));
        // Killed between creating its lock and writing it: an empty file, just now.
        test::WriteBytes(lockPath, QByteArray());
        g.Bankroll = 10;
        QVERIFY(SavePlayers(g) && !QFile::exists(lockPath));
        // Killed while holding it: its process is gone.
        test::WriteBytes(lockPath, "999999999\nsolitaire-quibel\n" + QSysInfo::machineHostName().toUtf8() + '\n');
        g.Bankroll = 20;
        QVERIFY(SavePlayers(g) && FindPlayer(path_, QStringLiteral("Ann"))->Bankroll == 20);
        QLockFile held(lockPath);
        QLockFile other(lockPath);
        QVERIFY(held.tryLock(0) && !TakeRecordLock(other, 100));
    }

    // A new name is trimmed; it must show something, fit Windows-1252 and 25
    // characters, hold no control character, comma or quote, and be new.
    void newNames()
    {
        using Verdict = NewPlayerNameCheck::Verdict;
        QVERIFY(AppendPlayer(path_, QStringLiteral("Ann")));
        const NewPlayerNameCheck duplicate = CheckNewPlayerName(QStringLiteral("  Ann "), path_);
        QCOMPARE(duplicate.Result, Verdict::Duplicate);
        QCOMPARE(duplicate.Message, QStringLiteral("A player by the name of  Ann already exists."));
        QCOMPARE(CheckNewPlayerName(QStringLiteral("  ANN  "), path_).Name, QStringLiteral("ANN"));
        for (const auto& [typed, verdict] :
            { std::pair { QStringLiteral("  ANN  "), Verdict::Ok }, { QStringLiteral("Zoë Ÿ €"), Verdict::Ok },
                { QString(25, 'x'), Verdict::Ok }, { QStringLiteral("   "), Verdict::Empty },
                { QStringLiteral("Smith, John"), Verdict::Refused }, { QStringLiteral("a\tb"), Verdict::Refused },
                { QString(26, 'x'), Verdict::Refused }, { QStringLiteral("Łukasz"), Verdict::Refused } }) {
            const NewPlayerNameCheck check = CheckNewPlayerName(typed, path_);
            QVERIFY2(check.Result == verdict && check.Message.isEmpty() == (verdict == Verdict::Ok), qPrintable(typed));
        }
    }

    // Seed 10 is written with its leading zero; ')' then sums to 51, which the
    // key's '3' turns into 0, written as a blank and one digit; the fourth
    // character uses the key's '3' again. Code 0 cannot be told from 255 once
    // scrambled. Damaged input decodes to something without failing.
    void scrambleGoldenDamagedAndRoundTrips()
    {
        QCOMPARE(ScrambleWithSeed(kScrambleKey, ")BCD", 10), QByteArray("0A 07782F5"));
        QCOMPARE(ScrambleWithSeed(kScrambleKey, "A", 5), QByteArray("0575"));
        QCOMPARE(ScrambleWithSeed(kScrambleKey, "", 255), QByteArray("FF"));
        QCOMPARE(ScrambleText("D", kScrambleKey, "0A 07782F5"), QByteArray(")BCD"));
        QCOMPARE(ScrambleText("D", kScrambleKey, "0A"), QByteArray());
        QCOMPARE(ScrambleText("D", kScrambleKey, ScrambleWithSeed(kScrambleKey, QByteArray(1, '\0'), 77)),
            QByteArray(1, '\xFF'));
        QVERIFY(ScrambleText("e", kScrambleKey, "abc").isEmpty() && ScrambleText("E", "", "abc").isEmpty());
        QCOMPARE(ScrambleText("D", kScrambleKey, "0A 0778").size(), 3);
        QCOMPARE(ScrambleText("D", kScrambleKey, "zz!!?").size(), 2);
        QVERIFY(IsScrambledText("0A 07782F5") && IsScrambledText("FF"));
        for (const char* bad : { "", " A12", "0A0", "0A7 ", "0AG1" })
            QVERIFY2(!IsScrambledText(bad), bad);
        // The seed from a fraction: 255 mod 255, then 2.5 and 3.5 rounded to even.
        for (const auto& [fraction, seed] : { std::pair { 0.0, 1 }, { 0.0255, 1 }, { 0.00025, 3 }, { 0.00035, 5 } })
            QCOMPARE(ScrambleSeed(fraction), seed);

        // Every code 1..254 after every other, under every seed, comes back; with
        // the seed 255 a leading 255 would come back as 0, so "E" picks another seed.
        QByteArray text;
        for (int code = 1; code <= 254; ++code)
            text += static_cast<char>(code);
        QByteArray reversed = text;
        std::reverse(reversed.begin(), reversed.end());
        for (int seed = 1; seed <= 255; ++seed) {
            QCOMPARE(ScrambleText("D", kScrambleKey, ScrambleWithSeed(kScrambleKey, text, seed)), text);
            QCOMPARE(ScrambleText("D", kScrambleKey, ScrambleWithSeed(kScrambleKey, reversed, seed)), reversed);
            for (const char code : text)
                QCOMPARE(ScrambleText("D", "7", ScrambleWithSeed("7", QByteArray(1, code), seed)), QByteArray(1, code));
        }
        const QByteArray code255("\xFF\xFF\xFF", 3);
        QVERIFY(ScrambleText("D", kScrambleKey, ScrambleWithSeed(kScrambleKey, code255, 255)) != code255);
        QSet<QByteArray> seen;
        for (const QByteArray& plain : { QByteArray("Ann\0061000\006True\006"), code255 }) {
            for (int i = 0; i < 50; ++i) {
                const QByteArray line = ScrambleText("E", kScrambleKey, plain);
                QVERIFY(IsScrambledText(line) && ScrambleText("D", kScrambleKey, line) == plain);
                seen.insert(line);
            }
        }
        QVERIFY(seen.size() > 2);
    }

    // Names are Windows-1252 in the files; every byte survives a round trip.
    void windows1252()
    {
        const QString text = QStringLiteral("Zoë € „x” ÿ");
        const QByteArray bytes("Zo\xEB \x80 \x84x\x94 \xFF");
        QVERIFY(ToWindows1252(text) == bytes && FromWindows1252(bytes) == text && FitsWindows1252(text));
        QCOMPARE(ToWindows1252(QStringLiteral("Łx")), QByteArray("?x"));
        for (int b = 0; b < 256; ++b) {
            const QByteArray one(1, static_cast<char>(b));
            QCOMPARE(ToWindows1252(FromWindows1252(one)), one);
        }
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
        QVERIFY(EnterTopTen(g_, 3000) == TopTenEntry::NotEntered && EnterTopTen(g_, 3001) == TopTenEntry::Saved);
        QVERIFY(g_.TopTen[9] == (TopTenRow { QStringLiteral("Zoë"), 3001 }) && g_.TopTen[10] == TopTenRow());
        const QByteArray saved = test::ReadBytes(File());
        QVERIFY(saved.startsWith("*******\r\n 7500\r\n") && saved.endsWith("*******\r\n 3500\r\nZo\xEB\r\n 3001\r\n"));

        GameState other;
        other.DataFolder = g_.DataFolder;
        other.PlayerName = QStringLiteral("Max");
        QVERIFY(LoadTopTen(other) && EnterTopTen(other, 9000) == TopTenEntry::Saved);
        QCOMPARE(EnterTopTen(g_, 4200), TopTenEntry::Saved);
        const TopTenTable later = test::TopTenOnDisk(g_.DataFolder);
        QCOMPARE(later[0], (TopTenRow { QStringLiteral("Max"), 9000 }));
        QCOMPARE(later[8], (TopTenRow { QStringLiteral("Zoë"), 4200 }));
        QCOMPARE(later[9], (TopTenRow { QStringLiteral("*******"), 4000 }));
    }

    // Two values on one line, a quoted comma, blanks around values, text as a
    // score, a quote never closed, then the file ends: the rows beyond stay.
    // Garbage reads as something; a missing file leaves the table alone.
    void fieldReadingAndNamesWithCommasAndQuotes()
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
        QFile::remove(File());
        const TopTenTable before = g_.TopTen;
        QVERIFY(!LoadTopTen(g_) && g_.TopTen == before);

        // Names from older players files may hold commas and quotes: each
        // reads back as one value, and no other row moves.
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
        // A file of rows named prefix + i scored i * step, and those rows, for i from `first` to `last`.
        const auto rows = [](char prefix, int first, int last, int step) {
            std::pair<QByteArray, QList<TopTenRow>> made;
            for (int i = first; i != last + (first <= last ? 1 : -1); i += first <= last ? 1 : -1) {
                made.first += prefix + QByteArray::number(i) + "\r\n" + QByteArray::number(i * step) + "\r\n";
                made.second.append({ QStringLiteral("%1%2").arg(prefix).arg(i), i * step });
            }
            return made;
        };
        const QList<TopTenRow> entry { { QStringLiteral("New"), 3500 } };
        for (const auto& [file, expected] :
            { std::pair { rows('N', 1, 10, -10).first, entry + rows('N', 1, 9, -10).second },
                { QByteArray("Big\r\n99999999999\r\nLow\r\n-99999999999\r\n"),
                    QList<TopTenRow> { { QStringLiteral("Big"), 2147483647 }, entry[0],
                        { QStringLiteral("Low"), -2147483647 - 1 }, {}, {}, {}, {}, {}, {}, {} } },
                { rows('M', 1, 12, 1000).first, rows('M', 12, 4, 1000).second + entry } }) {
            test::WriteBytes(File(), file);
            g_.TopTen = TopTenTable();
            QVERIFY(LoadTopTen(g_));
            g_.PlayerName = QStringLiteral("New");
            QCOMPARE(EnterTopTen(g_, 3500), TopTenEntry::Saved);
            QCOMPARE(OnDisk(10), expected);
        }
    }

    // A table written under another letter case is found, read and rewritten
    // in place; the empty rows' zero has its blank too.
    void fileNameInAnyCase()
    {
        test::WriteBytes(dir_->filePath(QStringLiteral("topten.dat")), "Old\r\n100\r\n");
        QVERIFY(TopTenStartupCheck(g_.DataFolder) == TopTenStartup::Current && LoadTopTen(g_));
        QCOMPARE(EnterTopTen(g_, 200), TopTenEntry::Saved);
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList { "topten.dat" });
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

QTEST_GUILESS_MAIN(TestDataFiles)
#include "test_datafiles.moc"
