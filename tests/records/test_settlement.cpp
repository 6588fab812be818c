#include "records/Settlement.h"

#include <QTest>

#include <limits>

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
    g.Bankroll = 0;
    g.GamesPlayed = 3;
    g.TopTen[9].Score = 4550;
    return g;
}

} // namespace

class TestSettlement : public QObject {
    Q_OBJECT

private slots:
    void countUps();
    void timerBonus();
    void clearedBoard();
    void finalScores_data();
    void finalScores();
    void settleCreditsBankroll();
    void extremeValuesDoNotWrap();
};

void TestSettlement::countUps()
{
    QCOMPARE(CardsRemovedCountUp(46), Range(1, 3, 46) << 46);
    QCOMPARE(CardsRemovedCountUp(46).size(), 17);
    QCOMPARE(CardsRemovedCountUp(45), Range(1, 3, 43) << 45);
    QCOMPARE(CardsRemovedCountUp(0), QList<int32_t> { 0 });
    QCOMPARE(GameScoreCountUp(1150), Range(0, 100, 1100) << 1150);
    QCOMPARE(GameScoreCountUp(1200), Range(0, 100, 1200) << 1200);
    QCOMPARE(TimerBonusCountUp(300), Range(0, 50, 300) << 300);
    QCOMPARE(TimerBonusCountUp(301), Range(0, 100, 300) << 301);
    QCOMPARE(TimerBonusCountUp(101), Range(0, 20, 100) << 101);
    QCOMPARE(TimerBonusCountUp(100), Range(0, 10, 100) << 100);
    QCOMPARE(TimerBonusCountUp(0), QList<int32_t>());
}

void TestSettlement::timerBonus()
{
    GameState g;
    SetGameConstants(g);
    const auto bonusAt = [&](int seconds) {
        g.ElapsedSeconds = seconds;
        return TimerBonus(g);
    };
    QCOMPARE(bonusAt(0), 2000);
    QCOMPARE(bonusAt(380), 100);
    QCOMPARE(bonusAt(399), 5);
    QCOMPARE(bonusAt(400), 0);
    QCOMPARE(bonusAt(std::numeric_limits<int32_t>::max()), 0);
    QCOMPARE(TimerBonusStep(2000), 100);
    QCOMPARE(TimerBonusStep(201), 50);
    QCOMPARE(TimerBonusStep(200), 20);
    QCOMPARE(TimerBonusStep(1), 10);
}

void TestSettlement::clearedBoard()
{
    const std::optional<ClearedBoardBonus> all = ClearedBonusFor(0);
    QCOMPARE(all->Bonus, 2000);
    QCOMPARE(ClearedBonusNotice(*all),
        QStringLiteral("Amazing!!!  You cleared ALL of the cards!  You have just earned a $2,000 bonus."));
    QCOMPARE(ClearedBonusFor(1)->Message, QStringLiteral("Wow!!!  You cleared all but 1 card!  "));
    QCOMPARE(ClearedBonusFor(4)->Bonus, 750);
    QCOMPARE(ClearedBonusFor(10)->Message, QStringLiteral("Pretty Good!!!  You cleared all but 10 cards!  "));
    QCOMPARE(ClearedBonusFor(10)->Bonus, 100);
    QVERIFY(!ClearedBonusFor(11));
    QVERIFY(!ClearedBonusFor(-1));
}

void TestSettlement::finalScores_data()
{
    QTest::addColumn<int>("cardsOnBoard");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("withBonuses");
    QTest::addColumn<int>("finalScore");
    QTest::addColumn<bool>("entersTopTen");
    // 1,150 in hands + 4 x 250 different hands + 50 per card removed + timer.
    QTest::newRow("0 left, 380 s") << 0 << 380 << 1150 + 1000 + 2800 + 100 << 7050 << true;
    QTest::newRow("1 left, 380 s") << 1 << 380 << 1150 + 1000 + 2750 + 100 << 6500 << true;
    QTest::newRow("10 left, 400 s") << 10 << 400 << 1150 + 1000 + 2300 << 4550 << false;
    QTest::newRow("11 left, 400 s") << 11 << 400 << 1150 + 1000 + 2250 << 4400 << false;
    QTest::newRow("10 left, 399 s") << 10 << 399 << 1150 + 1000 + 2300 + 5 << 4555 << true;
}

void TestSettlement::finalScores()
{
    QFETCH(int, cardsOnBoard);
    QFETCH(int, seconds);
    const Settlement s = ComputeSettlement(WonGame(cardsOnBoard, seconds));
    QCOMPARE(s.DifferentHands, 4);
    QCOMPARE(s.DifferentHandsTotal, 1000);
    QCOMPARE(s.CardsRemoved, 56 - cardsOnBoard);
    QFETCH(int, withBonuses);
    QFETCH(int, finalScore);
    QFETCH(bool, entersTopTen);
    QCOMPARE(s.ScoreWithBonuses, withBonuses);
    QCOMPARE(s.Cleared.has_value(), cardsOnBoard <= 10);
    QCOMPARE(s.FinalScore, finalScore);
    QCOMPARE(s.EntersTopTen, entersTopTen); // the tenth score is 4,550: equal does not enter
}

void TestSettlement::settleCreditsBankroll()
{
    GameState g = WonGame(0, 380);
    QCOMPARE(HandRowTotal(g, 1), 200);
    QCOMPARE(HandRowTotal(g, 9), 0);
    const Settlement s = SettleGame(g);
    QCOMPARE(g.GameScore, 7050);
    QCOMPARE(g.Bankroll, 7050);
    QCOMPARE(s.Bankroll, 7050);
    QCOMPARE(s.Average, int16_t(2350));

    GameState first = WonGame(11, 400);
    first.GamesPlayed = 0;
    QCOMPARE(SettleGame(first).Average, int16_t(0));
}

void TestSettlement::extremeValuesDoNotWrap()
{
    GameState g = WonGame(0, 0);
    g.GameScore = std::numeric_limits<int32_t>::max() - 10;
    g.Bankroll = std::numeric_limits<int32_t>::max();
    g.GamesPlayed = 1;
    const Settlement s = SettleGame(g);
    QCOMPARE(s.FinalScore, std::numeric_limits<int32_t>::max());
    QCOMPARE(g.Bankroll, std::numeric_limits<int32_t>::max());
    QCOMPARE(s.Average, int16_t(0)); // does not fit in 16 bits
    QCOMPARE(GameScoreCountUp(-5), QList<int32_t> { -5 });

    g = WonGame(56, 0);
    g.HandCounts[9] = 32767;
    QCOMPARE(HandRowTotal(g, 9), 32767 * 2000);
}

QTEST_GUILESS_MAIN(TestSettlement)
#include "test_settlement.moc"
