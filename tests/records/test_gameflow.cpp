// A game from its fee to the next game, through the rules the windows call:
// plays, undo, the end, the settlement and where it is recorded; the
// settlement's figures at their edges; saves that fail and are tried again.

#include "game/Deal.h"
#include "game/Settlement.h"
#include "game/ShowLog.h"
#include "records/SavePoints.h"
#include "records/TopTen.h"
#include "support/Files.h"
#include "support/FullDisk.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <optional>
#include <tuple>

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

QList<int32_t> Range(int32_t from, int32_t step, int32_t to)
{
    QList<int32_t> values;
    for (int32_t i = from; i <= to; i += step)
        values.append(i);
    return values;
}

// Ann and Bob in a fresh players file, a fresh top ten, Ann playing.
void Records(GameState& g, const QTemporaryDir& dir)
{
    g.DataFolder = dir.path() + QLatin1Char('/');
    g.PlayersFilePath = dir.filePath(QStringLiteral("players.dat"));
    QVERIFY(AppendPlayer(g.PlayersFilePath, QStringLiteral("Ann"))
        && AppendPlayer(g.PlayersFilePath, QStringLiteral("Bob")));
    QVERIFY(ResetTopTen(g) && LoadTopTen(g));
    LoadPlayer(g, *FindPlayer(g.PlayersFilePath, QStringLiteral("Ann")));
}

// A won game: 4 pairs, 2 two-pairs, a flush and four of a kind, 1,150 in hands.
GameState WonGame(int cardsOnBoard, int elapsedSeconds)
{
    GameState g;
    SetGameConstants(g);
    g.HandCounts = { 0, 4, 2, 0, 0, 1, 0, 1, 0, 0 };
    g.GameScore = 1150;
    g.CardsOnBoard = static_cast<int16_t>(cardsOnBoard);
    g.ElapsedSeconds = elapsedSeconds;
    return g;
}

} // namespace

class TestGameFlow : public QObject {
    Q_OBJECT

private slots:
    void init() { Saves() = SaveLedger(); }

    // A won game and a lost one after it, as the window runs them: the fee,
    // a royal flush that wins it back, an undo of it and of a later pair, the
    // end, the settlement recorded whole, and a next game that starts clean.
    void aWonGameThenALostOne()
    {
        QTemporaryDir dir;
        Table t;
        GameState& g = t.b.g;
        Records(g, dir);
        g.FeeWonBack = g.SameDeal = true; // as the last game left them
        StartNewGame(g);
        QVERIFY(!g.FeeWonBack && !g.SameDeal && g.Bankroll == 0 && g.GamesPlayed == 1);
        ResetForDeal(g);
        t.b.BottomRow(1, "10S JS QS KS AS");
        t.b.Column(6, "7C 7H");
        t.b.Column(7, "2H 2D");
        const auto dealt = t.Snapshot("10S JS QS KS AS 7C 7H 2H 2D");

        QCOMPARE(t.Play("10S JS QS KS AS"),
            (QStringList { "ding", "note", "score 2000", "undo 4", "remove 49", "remove 50", "remove 51", "remove 52",
                "remove 40", "columns 2 label 8", "clock", "green" }));
        // A refused play leaves the undo record alone; the undo lets its picks go.
        QCOMPARE(t.Play("7H 2D"), (QStringList { "error", "note", "score 2000" }));
        std::optional<UndoneLook> look = RestoreUndoBoard(g, t.b.cards, t.undo);
        QVERIFY(look && !look->ScoreGreen && look->HandLabelLit == decltype(look->HandLabelLit) {});
        QCOMPARE(t.Snapshot("10S JS QS KS AS 7C 7H 2H 2D"), dealt);
        QVERIFY(g.GameScore == 0 && !g.FeeWonBack && g.HandsMade == 0 && g.HandCounts[9] == 0);
        QVERIFY(g.CardsOnBoard == 9 && g.SelectedCount == 0 && !IsPicked(t.b.cards, Card(2, Diamonds)));

        // Played again it wins the fee back again; a pair's undo then keeps it won back.
        QVERIFY(t.Play("10S JS QS KS AS").endsWith(QStringLiteral("green")));
        QCOMPARE(t.Play("7C 7H").mid(5), (QStringList { "columns 1 label 0", "clock" }));
        look = RestoreUndoBoard(g, t.b.cards, t.undo);
        QVERIFY(look && look->ScoreGreen && g.FeeWonBack && g.GameScore == 2000 && g.CardsOnBoard == 4);
        QCOMPARE(
            look->HandLabelLit, (std::array<bool, 9> { false, false, false, false, false, false, false, false, true }));
        t.Play("7C 7H");
        g.ElapsedSeconds = 100;
        QCOMPARE(t.Play("2H 2D").mid(5), (QStringList { "columns 0 label 0", "over 0" })); // the scoreboard
        QVERIFY(!g.GameInProgress && !g.ScoreboardPending);

        // 2,100 in hands, 2 x 250 different hands, 56 x 50 cards removed, a
        // $1,500 timer bonus and $2,000 for a cleared board: the bankroll, the
        // players file and the top ten all get the same final score.
        const RecordedSettlement r = SettleAndRecord(g);
        QVERIFY(r.Figures.Cleared && r.EnteredTopTen);
        QVERIFY(r.Figures.FinalScore == 8900 && g.GameScore == 8900 && g.Bankroll == 8900);
        const PlayerRecord saved = *FindPlayer(g.PlayersFilePath, QStringLiteral("Ann"));
        QVERIFY(saved.Bankroll == 8900 && saved.GamesPlayed == 1);
        QCOMPARE(test::TopTenOnDisk(g.DataFolder)[0], (TopTenRow { QStringLiteral("Ann"), 8900 }));

        // The next game carries nothing of this one over; it is lost with a pair.
        StartNewGame(g);
        ResetForDeal(g);
        QVERIFY(!g.FeeWonBack && g.Bankroll == 7900 && g.GamesPlayed == 2);
        QVERIFY(g.GameScore == 0 && g.HandsMade == 0 && g.HandCounts == decltype(g.HandCounts) {});
        QVERIFY(g.ElapsedSeconds == 0 && g.GameInProgress && g.ScoreboardPending && g.SelectedCount == 0);
        t.b.Lay("9C 9D|4H");
        QVERIFY(t.Play("9C 9D").endsWith(QStringLiteral("over 2"))); // the statistics
        QVERIFY(!g.GameInProgress && g.FeeWonBack && g.ScoreboardPending && g.GameScore == 50);
        // A replay of it is free, or paid; either way its clock starts again
        // and its fee is still to be won back (the score turns green anew).
        g.ElapsedSeconds = 250;
        StartFreeReplay(g);
        QVERIFY(g.SameDeal && g.Bankroll == 7900 && g.GamesPlayed == 2);
        StartPaidReplay(g);
        ResetForDeal(g);
        QVERIFY(g.SameDeal && g.Bankroll == 6900 && g.GamesPlayed == 3 && g.ElapsedSeconds == 0 && !g.FeeWonBack);
    }

    // Each count ends on its figure, whether or not a step lands on it; the
    // timer's step follows the bonus: 100 above 300, 50 above 200, 20 above 100, else 10.
    void countUps()
    {
        QCOMPARE(CardsRemovedCountUp(45), Range(1, 3, 43) << 45);
        QCOMPARE(GameScoreCountUp(1200), Range(0, 100, 1200) << 1200);
        QCOMPARE(TimerBonusCountUp(301), Range(0, 100, 300) << 301);
        QCOMPARE(TimerBonusCountUp(300), Range(0, 50, 300) << 300);
        QCOMPARE(TimerBonusCountUp(0), QList<int32_t>());
        QCOMPARE(ClearedBonusNotice(*ClearedBonusFor(0)),
            QStringLiteral("Amazing!!!  You cleared ALL of the cards!  You have just earned a $2,000 bonus."));
        QCOMPARE(ClearedBonusFor(1)->Message, QStringLiteral("Wow!!!  You cleared all but 1 card!  "));
        QVERIFY(!ClearedBonusFor(-1) && !ClearedBonusFor(11));
        QList<int32_t> bonuses; // for 0 to 10 cards left
        for (int left = 0; left <= 10; ++left)
            bonuses << ClearedBonusFor(left)->Bonus;
        QCOMPARE(bonuses, (QList<int32_t> { 2000, 1500, 1200, 1000, 750, 600, 500, 400, 300, 200, 100 }));
    }

    // 1,150 in hands + 4 x 250 different hands + 50 per card removed + timer;
    // the tenth score is 4,550: equal does not enter.
    void finalScores()
    {
        for (const auto& [cardsOnBoard, seconds, withBonuses, finalScore, entersTopTen] :
            { std::tuple { 0, 380, 1150 + 1000 + 2800 + 100, 7050, true },
                { 1, 380, 1150 + 1000 + 2750 + 100, 6500, true }, { 10, 400, 1150 + 1000 + 2300, 4550, false },
                { 11, 400, 1150 + 1000 + 2250, 4400, false }, { 10, 399, 1150 + 1000 + 2300 + 5, 4555, true } }) {
            TopTenTable table {};
            for (int r = 0; r <= 9; ++r)
                table[r] = { QStringLiteral("Old"), 4550 + (9 - r) * 100 };
            GameState g = WonGame(cardsOnBoard, seconds);
            const Settlement s = SettleGame(g);
            QVERIFY(s.ScoreWithBonuses == withBonuses && s.FinalScore == finalScore);
            QCOMPARE(s.CardsRemovedWithCleared, s.CardsRemovedTotal + finalScore - withBonuses);
            QCOMPARE(EnterTopTenRow(table, { QStringLiteral("Won"), s.FinalScore }), entersTopTen);
            QVERIFY(g.GameScore == finalScore && g.Bankroll == finalScore); // credited once, from nothing
        }
    }

    // Nothing wraps at the limits: the settlement, a hand row, nor the fee.
    void totalsDoNotWrap()
    {
        GameState g = WonGame(0, 0);
        g.GameScore = kMax - 10;
        g.Bankroll = kMax;
        QVERIFY(SettleGame(g).FinalScore == kMax && g.Bankroll == kMax);
        QCOMPARE(GameScoreCountUp(-5), QList<int32_t> { -5 });
        g = WonGame(56, 0);
        g.HandCounts[9] = 32767;
        QCOMPARE(HandRowTotal(g, 9), 32767 * 2000);

        g.Bankroll = std::numeric_limits<int32_t>::min() + 10;
        g.GamesPlayed = kMax;
        ChargeEntryFee(g);
        QVERIFY(g.Bankroll == std::numeric_limits<int32_t>::min() && g.GamesPlayed == kMax);
    }

    // The disk fills up, with room for the locks but not for the files:
    // every save fails, the files stay whole with nothing left beside them,
    // an entry is kept in memory, and the failure is told once. What is owed
    // (Ann's record and her entry, after the player changed) is written, once,
    // at the next save point that can; a later failure (not even a lock fits)
    // is told again. Files read-only from the start are told then, not at each save.
    void failedSavesAreToldOnceAndRetried()
    {
        QTemporaryDir dir;
        GameState g;
        Records(g, dir);
        SaveLedger ledger;
        const QByteArray players = test::ReadBytes(g.PlayersFilePath);
        const QByteArray topTen = test::ReadBytes(TopTenFilePath(g.DataFolder));
        const rlim_t room = test::FullDisk::LockRoom();
        QVERIFY(room > 0 && players.size() > qint64(room) && topTen.size() > qint64(room));
        std::optional<test::FullDisk> full(std::in_place, room);
        g.Bankroll = 4000;
        QVERIFY(!SavePlayersAtSavePoint(g, ledger) && !TakeSaveFailureNotice(ledger).isEmpty());
        QCOMPARE(EnterTopTenAtSavePoint(g, 5100, ledger), TopTenEntry::NotSaved);
        QVERIFY(TakeSaveFailureNotice(ledger).isEmpty() && !ResetTopTen(g));
        QCOMPARE(g.TopTen[5], (TopTenRow { QStringLiteral("Ann"), 5100 }));
        LoadPlayer(g, *FindPlayer(g.PlayersFilePath, QStringLiteral("Bob")));
        g.Bankroll = 77;
        QVERIFY(!SavePlayersAtSavePoint(g, ledger));
        QVERIFY(
            test::ReadBytes(g.PlayersFilePath) == players && test::ReadBytes(TopTenFilePath(g.DataFolder)) == topTen);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList { "players.dat", "TopTen.dat" }));

        full.reset();
        QVERIFY(SavePlayersAtSavePoint(g, ledger) && TakeSaveFailureNotice(ledger).isEmpty());
        QCOMPARE(FindPlayer(g.PlayersFilePath, QStringLiteral("Ann"))->Bankroll, 4000);
        QCOMPARE(FindPlayer(g.PlayersFilePath, QStringLiteral("Bob"))->Bankroll, 77);
        const TopTenTable later = test::TopTenOnDisk(g.DataFolder);
        QVERIFY(later[5] == (TopTenRow { QStringLiteral("Ann"), 5100 }) && later[6].Score == 5000); // entered once
        full.emplace();
        QVERIFY(!SavePlayersAtSavePoint(g, ledger) && !TakeSaveFailureNotice(ledger).isEmpty());
        SaveLedger readOnly;
        NoteFilesReadOnly(readOnly);
        QVERIFY(!SavePlayersAtSavePoint(g, readOnly) && TakeSaveFailureNotice(readOnly).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGameFlow)
#include "test_gameflow.moc"
