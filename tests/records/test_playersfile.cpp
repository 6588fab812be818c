#include "game/Deal.h"
#include "records/PlayersFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Written from the file's description, apart from the game's own code.
QByteArray EncodeLine(const QByteArray& plain, int seed)
{
    const QByteArray key = "358";
    QByteArray out = QByteArray::number(seed, 16).toUpper().rightJustified(2, '0');
    int prev = seed;
    for (int i = 0; i < plain.size(); ++i) {
        const int b = ((static_cast<unsigned char>(plain[i]) + prev) % 255) ^ key[i % 3];
        out += QByteArray::number(b, 16).toUpper().rightJustified(2, ' ');
        prev = b;
    }
    return out;
}

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

} // namespace

class TestPlayersFile : public QObject {
    Q_OBJECT

private slots:
    void init();
    void addSaveReloadDelete();
    void fieldsAsRead();
    void handWrittenFile();
    void listLines();
    void failedRewriteKeepsFile();
    void newNames();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

void TestPlayersFile::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    path_ = dir_->filePath(QStringLiteral("players.dat"));
}

void TestPlayersFile::addSaveReloadDelete()
{
    QVERIFY(AppendPlayer(path_, QStringLiteral("Ann")));
    QVERIFY(AppendPlayer(path_, QStringLiteral("Bob")));
    QVERIFY(AppendPlayer(path_, QStringLiteral("ann"))); // another player: case counts
    QVERIFY(!AppendPlayer(path_, QStringLiteral("Bob")));
    QVERIFY(!AppendPlayer(path_, QString()));
    QCOMPARE(ReadPlayers(path_).size(), 3);
    QVERIFY(ReadBytes(path_).endsWith("\r\n"));

    // Two copies of the game, each with its own player: neither loses the other's save.
    GameState bob;
    bob.PlayersFilePath = path_;
    LoadPlayer(bob, *FindPlayer(path_, QStringLiteral("Bob")));
    GameState ann;
    ann.PlayersFilePath = path_;
    LoadPlayer(ann, *FindPlayer(path_, QStringLiteral("Ann")));
    const QList<QByteArray> before = ReadBytes(path_).split('\n');
    bob.Bankroll = -1500;
    bob.GamesPlayed = 7;
    bob.SoundOn = false;
    QVERIFY(SavePlayers(bob));
    ann.UseHandPopups = false;
    QVERIFY(SavePlayers(ann));

    const QList<PlayerRecord> players = ReadPlayers(path_);
    QCOMPARE(players.size(), 3);
    QCOMPARE(players[0], (PlayerRecord { QStringLiteral("Ann"), 1000, true, true, 0, false }));
    QCOMPARE(players[1], (PlayerRecord { QStringLiteral("Bob"), -1500, false, true, 7, true }));
    QCOMPARE(players[2], NewPlayerRecord(QStringLiteral("ann")));
    QCOMPARE(ReadBytes(path_).split('\n')[2], before[2]); // "ann" untouched, byte for byte

    // A player with no line is not added, and the file is left as it was.
    const QByteArray saved = ReadBytes(path_);
    GameState stranger;
    stranger.PlayersFilePath = path_;
    stranger.PlayerName = QStringLiteral("Cy");
    QVERIFY(SavePlayers(stranger));
    QCOMPARE(ReadBytes(path_), saved);

    QVERIFY(DeletePlayer(path_, QStringLiteral("Ann")));
    const QList<PlayerRecord> left = ReadPlayers(path_);
    QCOMPARE(left.size(), 2);
    QCOMPARE(left[0].Name, QStringLiteral("Bob"));
    QCOMPARE(left[1].Name, QStringLiteral("ann"));
    QVERIFY(!FindPlayer(path_, QStringLiteral("Ann")));
    QVERIFY(!QFile::exists(dir_->filePath(QStringLiteral("data.tmp"))));
}

void TestPlayersFile::fieldsAsRead()
{
    // Fields missing at the end keep their starting values.
    QCOMPARE(*ParsePlayerRecord("Zed\x06"
                                "250\x06"
                                "False\x06"),
        (PlayerRecord { QStringLiteral("Zed"), 250, false, true, 0, true }));
    QCOMPARE(*ParsePlayerRecord("Zed\x06"
                                " -12abc\x06"
                                "true\x06True \x06"
                                "13.5\x06True"),
        (PlayerRecord { QStringLiteral("Zed"), -12, false, false, 14, true }));
    QCOMPARE(ParsePlayerRecord("Zed\x06"
                               "3000000000\x06x\x06x\x06"
                               "12.5\x06")
                 ->GamesPlayed,
        12);
    QCOMPARE(ParsePlayerRecord("Zed\x06"
                               "3000000000\x06")
                 ->Bankroll,
        0);
    QVERIFY(!ParsePlayerRecord("no separator"));
    QVERIFY(!ParsePlayerRecord("\x06"
                               "1000\x06"));
    QCOMPARE(PlayerRecordText(NewPlayerRecord(QStringLiteral("Zoë"))),
        QByteArray("Zo\xEB\x06"
                   "1000\x06True\x06True\x06"
                   "0\x06True\x06"));
}

void TestPlayersFile::handWrittenFile()
{
    const QByteArray zoe = EncodeLine("Zo\xEB\x06-1500\x06"
                                      "False\x06True\x06"
                                      "3\x06"
                                      "False\x06",
        10);
    const QByteArray max = EncodeLine("Max\x06"
                                      "500\x06",
        200);
    const QByteArray garbage = "this is not a player";
    const QByteArray truncated = zoe.left(8); // the name, without its separator
    const QByteArray file = "  " + zoe + " \r\n" + garbage + "\r\n\r\n" + truncated + "\r\n" + max; // no final CR LF
    WriteBytes(path_, file);

    const QList<PlayerRecord> players = ReadPlayers(path_);
    QCOMPARE(players.size(), 2);
    QCOMPARE(players[0], (PlayerRecord { QStringLiteral("Zoë"), -1500, false, true, 3, false }));
    QCOMPARE(players[1], (PlayerRecord { QStringLiteral("Max"), 500, true, true, 0, true }));

    // Saving Max rewrites his line only; the unreadable lines stay as they were.
    GameState g;
    g.PlayersFilePath = path_;
    LoadPlayer(g, players[1]);
    g.Bankroll = 900;
    QVERIFY(SavePlayers(g));
    const QList<QByteArray> lines = ReadBytes(path_).split('\n');
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines[0], "  " + zoe + " \r");
    QCOMPARE(lines[1], garbage + '\r');
    QCOMPARE(lines[2], QByteArray("\r"));
    QCOMPARE(lines[3], truncated + '\r');
    QCOMPARE(ReadPlayerLine(lines[4].chopped(1))->Bankroll, 900);
    QCOMPARE(lines[5], QByteArray());
}

void TestPlayersFile::listLines()
{
    QCOMPARE(PlayerListLine(NewPlayerRecord(QStringLiteral("Ann"))),
        QStringLiteral("Ann                      \t$1,000    \t$0"));
    const QString line = PlayerListLine({ QStringLiteral("Bob"), -1500, true, true, 4, true });
    QCOMPARE(line, QStringLiteral("Bob                      \t-$1,500   \t-$375"));
    QCOMPARE(ListLineName(line), QStringLiteral("Bob"));
    QCOMPARE(ListLineBankroll(line), QStringLiteral("-$1,500"));
    QCOMPARE(PlayerListLine({ QStringLiteral("C"), 1234567890, true, true, 1, true }).section('\t', 1),
        QStringLiteral("$1,234,567,890\t$0")); // the average does not fit in 16 bits
    QCOMPARE(PlayerAverage(5, 2), int16_t(2));
    QCOMPARE(PlayerAverage(7, 2), int16_t(4));
    QCOMPARE(PlayerAverage(32767, 1), int16_t(32767));
    QCOMPARE(PlayerAverage(32768, 1), int16_t(0));
}

void TestPlayersFile::failedRewriteKeepsFile()
{
    QVERIFY(AppendPlayer(path_, QStringLiteral("Ann")));
    const QByteArray old = ReadBytes(path_);
    GameState g;
    g.PlayersFilePath = path_;
    LoadPlayer(g, *FindPlayer(path_, QStringLiteral("Ann")));
    g.Bankroll = 5;

    // The work file cannot be written: every rewrite fails and the file stays whole.
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("data.tmp")));
    QVERIFY(!SavePlayers(g));
    QVERIFY(!AppendPlayer(path_, QStringLiteral("Bob")));
    QVERIFY(!DeletePlayer(path_, QStringLiteral("Ann")));
    QCOMPARE(ReadBytes(path_), old);
    QVERIFY(QDir(dir_->path()).rmdir(QStringLiteral("data.tmp")));

    // An old file that cannot be read is never replaced by an empty one.
    g.PlayersFilePath = dir_->filePath(QStringLiteral("missing.dat"));
    QVERIFY(!SavePlayers(g));
    QVERIFY(!DeletePlayer(g.PlayersFilePath, QStringLiteral("Ann")));
    QVERIFY(!QFile::exists(g.PlayersFilePath));
    const QString folderAsFile = dir_->filePath(QStringLiteral("folder.dat"));
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("folder.dat")));
    QVERIFY(!AppendPlayer(folderAsFile, QStringLiteral("Bob")));
    QVERIFY(ReadPlayers(folderAsFile).isEmpty());
}

void TestPlayersFile::newNames()
{
    using Verdict = NewPlayerNameCheck::Verdict;
    QVERIFY(AppendPlayer(path_, QStringLiteral("Ann")));
    const NewPlayerNameCheck duplicate = CheckNewPlayerName(QStringLiteral("  Ann "), path_);
    QCOMPARE(duplicate.Result, Verdict::Duplicate);
    QCOMPARE(duplicate.Message, QStringLiteral("A player by the name of  Ann already exists."));

    const NewPlayerNameCheck trimmed = CheckNewPlayerName(QStringLiteral("  ANN  "), path_);
    QCOMPARE(trimmed.Result, Verdict::Ok);
    QCOMPARE(trimmed.Name, QStringLiteral("ANN"));
    QVERIFY(trimmed.Message.isEmpty());
    QCOMPARE(CheckNewPlayerName(QStringLiteral("Zoë Ÿ €"), path_).Result, Verdict::Ok);
    QCOMPARE(CheckNewPlayerName(QString(25, 'x'), path_).Result, Verdict::Ok);
    QCOMPARE(CheckNewPlayerName(QStringLiteral("x"), dir_->filePath(QStringLiteral("none.dat"))).Result, Verdict::Ok);

    QCOMPARE(CheckNewPlayerName(QStringLiteral("   "), path_).Result, Verdict::Empty);
    for (const QString& bad : { QStringLiteral("Smith, John"), QStringLiteral("\"Ace\""), QStringLiteral("a\x06z"),
             QStringLiteral("a\tb"), QString(26, 'x'), QStringLiteral("Łukasz"), QStringLiteral("😀") }) {
        const NewPlayerNameCheck check = CheckNewPlayerName(bad, path_);
        QCOMPARE(check.Result, Verdict::Refused);
        QVERIFY(!check.Message.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestPlayersFile)
#include "test_playersfile.moc"
