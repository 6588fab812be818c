#include "game/Settlement.h"
#include "records/SavePoints.h"
#include "records/TopTen.h"
#include "support/Files.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <limits>
#include <tuple>

namespace {

QList<int32_t> Range(int32_t from, int32_t step, int32_t to)
{
    QList<int32_t> values;
    for (int32_t i = from; i <= to; i += step)
        values.append(i);
    return values;
}

// A won game: 4 pairs, 2 two-pairs, a flush and four of a kind, 1,150 in hands.
GameState WonGame(int cardsOnBoard, int elapsedSeconds)
{
    GameState g;
    SetGameConstants(g);
    g.HandCounts[1] = 4;
    g.HandCounts[2] = 2;
    g.HandCounts[5] = 1;
    g.HandCounts[7] = 1;
    g.GameScore = 1150;
    g.CardsOnBoard = static_cast<int16_t>(cardsOnBoard);
    g.ElapsedSeconds = elapsedSeconds;
    g.GamesPlayed = 3;
    g.TopTen[9].Score = 4550;
    return g;
}

} // namespace

class TestSettlement : public QObject {
    Q_OBJECT

private slots:
    // Each count ends on its figure, whether or not a step lands on it.
    void countUps()
    {
        QCOMPARE(CardsRemovedCountUp(45), Range(1, 3, 43) << 45);
        QCOMPARE(GameScoreCountUp(1200), Range(0, 100, 1200) << 1200);
        // The step follows the bonus: 100 above 300, 50 above 200, 20 above 100, else 10.
        QCOMPARE(TimerBonusCountUp(301), Range(0, 100, 300) << 301);
        QCOMPARE(TimerBonusCountUp(300), Range(0, 50, 300) << 300);
        QCOMPARE(TimerBonusCountUp(0), QList<int32_t>());
    }

    void clearedBoard()
    {
        QCOMPARE(ClearedBonusNotice(*ClearedBonusFor(0)),
            QStringLiteral("Amazing!!!  You cleared ALL of the cards!  You have just earned a $2,000 bonus."));
        QCOMPARE(ClearedBonusFor(1)->Message, QStringLiteral("Wow!!!  You cleared all but 1 card!  "));
        QCOMPARE(ClearedBonusFor(4)->Bonus, 750);
        QVERIFY(!ClearedBonusFor(-1)); // 10 and 11 left are in the table below
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
            QCOMPARE(s.ScoreWithBonuses, withBonuses);
            QCOMPARE(s.FinalScore, finalScore);
            QCOMPARE(s.CardsRemovedWithCleared, s.CardsRemovedTotal + finalScore - withBonuses);
            QCOMPARE(EnterTopTenRow(table, { QStringLiteral("Won"), s.FinalScore }), entersTopTen);
            QCOMPARE(g.GameScore, finalScore);
            QCOMPARE(g.Bankroll, finalScore); // credited once, from nothing
        }
    }

    // Nothing wraps at the limits.
    void totalsDoNotWrap()
    {
        GameState g = WonGame(0, 0);
        g.GameScore = std::numeric_limits<int32_t>::max() - 10;
        g.Bankroll = std::numeric_limits<int32_t>::max();
        g.GamesPlayed = 1;
        const Settlement s = SettleGame(g);
        QCOMPARE(s.FinalScore, std::numeric_limits<int32_t>::max());
        QCOMPARE(g.Bankroll, std::numeric_limits<int32_t>::max());
        QCOMPARE(GameScoreCountUp(-5), QList<int32_t> { -5 });

        g = WonGame(56, 0);
        g.HandCounts[9] = 32767;
        QCOMPARE(HandRowTotal(g, 9), 32767 * 2000);
    }

    // The fee of a game stops the bankroll and the games count at their limits.
    void entryFeeNeverWraps()
    {
        GameState g;
        SetGameConstants(g);
        g.Bankroll = 500;
        g.GamesPlayed = 2;
        ChargeEntryFee(g);
        QCOMPARE(g.Bankroll, -500);
        QCOMPARE(g.GamesPlayed, 3);
        g.Bankroll = std::numeric_limits<int32_t>::min() + 10;
        g.GamesPlayed = std::numeric_limits<int32_t>::max();
        ChargeEntryFee(g);
        QCOMPARE(g.Bankroll, std::numeric_limits<int32_t>::min());
        QCOMPARE(g.GamesPlayed, std::numeric_limits<int32_t>::max());
    }

    // A new game is a fresh shuffle whose fee is still to win back; a paid replay keeps the deal.
    void gamesStartPaid()
    {
        GameState g;
        SetGameConstants(g);
        g.Bankroll = 3000;
        g.FeeWonBack = true;
        g.SameDeal = true;
        StartNewGame(g);
        QVERIFY(!g.FeeWonBack && !g.SameDeal);
        QCOMPARE(g.Bankroll, 2000);
        QCOMPARE(g.GamesPlayed, 1);
        StartPaidReplay(g);
        QVERIFY(g.SameDeal && g.Bankroll == 1000 && g.GamesPlayed == 2);
        g.SameDeal = false;
        StartFreeReplay(g);
        QVERIFY(g.SameDeal && g.Bankroll == 1000 && g.GamesPlayed == 2);
    }

    // The top ten, the bankroll and the players file get the same final score, its cleared-board bonus in.
    void settlementIsRecordedWhole()
    {
        QTemporaryDir dir;
        GameState g = WonGame(3, 100);
        g.DataFolder = dir.path() + QLatin1Char('/');
        g.PlayersFilePath = dir.filePath(QStringLiteral("players.dat"));
        QVERIFY(AppendPlayer(g.PlayersFilePath, QStringLiteral("Ann")));
        LoadPlayer(g, *FindPlayer(g.PlayersFilePath, QStringLiteral("Ann")));
        g.Bankroll = 2000;
        g.GamesPlayed = 3;
        QVERIFY(ResetTopTen(g) && LoadTopTen(g));
        const Settlement expected = ComputeSettlement(g);
        QVERIFY(expected.Cleared);
        SaveLedger ledger;
        Saves() = ledger;
        const RecordedSettlement r = SettleAndRecord(g);
        QCOMPARE(r.Figures.FinalScore, expected.FinalScore);
        QCOMPARE(g.GameScore, expected.FinalScore);
        QCOMPARE(g.Bankroll, 2000 + expected.FinalScore);
        QCOMPARE(FindPlayer(g.PlayersFilePath, QStringLiteral("Ann"))->Bankroll, 2000 + expected.FinalScore);
        QVERIFY(r.EnteredTopTen);
        const TopTenTable later = test::TopTenOnDisk(g.DataFolder);
        QVERIFY(std::any_of(later.begin(), later.end(), [&](const TopTenRow& row) {
            return row.Name == QStringLiteral("Ann") && row.Score == expected.FinalScore;
        }));
    }
};

QTEST_GUILESS_MAIN(TestSettlement)
#include "test_settlement.moc"
