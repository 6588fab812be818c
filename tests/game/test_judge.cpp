#include "game/BoardHelper.h"
#include "game/Judge.h"

#include <QTest>

#include <algorithm>
#include <vector>

namespace {
// Judges the cards as picked into the slots in this order.
Judgement JudgePicked(GameState& g, const std::vector<CardId>& hand)
{
    g.SelectedCards.fill(0);
    std::copy(hand.begin(), hand.end(), g.SelectedCards.begin());
    return JudgeSelection(g);
}
} // namespace

class TestJudge : public QObject {
    Q_OBJECT

private slots:
    void hands_data()
    {
        QTest::addColumn<std::vector<CardId>>("hand");
        QTest::addColumn<int>("handType"); // 0: refused

        QTest::newRow("two sevens") << Cards("7C 7H") << 1;
        QTest::newRow("seven and eight") << Cards("7C 8C") << 0;
        QTest::newRow("three sevens") << Cards("7C 7H 7S") << 3;
        QTest::newRow("two sevens and a jack") << Cards("7C 7H JS") << 0;
        QTest::newRow("four sevens") << Cards("7C 7H 7S 7D") << 7;
        QTest::newRow("two pairs") << Cards("7C JH 7S JD") << 2;
        QTest::newRow("three sevens and a jack (10 pairs)") << Cards("7C 7H 7S JD") << 0;
        QTest::newRow("one pair and two odd cards (6 pairs)") << Cards("7C 7H 2S JD") << 0;
        QTest::newRow("full house") << Cards("7C JH 7S JD 7H") << 6;
        QTest::newRow("two pairs and one") << Cards("7C JH 7S JD 2H") << 0;
        QTest::newRow("three of a kind and two odd") << Cards("7C 7H 7S JD 2H") << 0;
        QTest::newRow("four of a kind and one") << Cards("7C 7H 7S 7D 2H") << 0;
        QTest::newRow("A-2-3-4-5 mixed") << Cards("3C AH 5S 2D 4H") << 4;
        QTest::newRow("9 to K mixed") << Cards("KC 9H JS 10D QH") << 4;
        QTest::newRow("10-J-Q-K-A mixed") << Cards("AC 10H JS QD KH") << 4;
        QTest::newRow("J-Q-K-A-2 does not wrap") << Cards("JC QH KS AD 2H") << 0;
        QTest::newRow("five hearts, not in sequence") << Cards("2H 9H 4H KH 7H") << 5;
        QTest::newRow("four hearts and a spade") << Cards("2H 9H 4H KH 7S") << 0;
        QTest::newRow("straight flush 9 to K") << Cards("9C 10C JC QC KC") << 8;
        QTest::newRow("straight flush A to 5") << Cards("AS 2S 3S 4S 5S") << 8;
        QTest::newRow("royal flush") << Cards("KH AH 10H QH JH") << 9;
        QTest::newRow("sequence with a gap") << Cards("2C 3H 4S 5D 7H") << 0;
    }

    void hands()
    {
        QFETCH(std::vector<CardId>, hand);
        QFETCH(int, handType);
        TestBoard b;
        b.g.CardsOnBoard = 56;
        b.g.GameScore = 300;
        const Judgement j = JudgePicked(b.g, hand);
        QCOMPARE(j.verdict, handType ? Verdict::Hand : Verdict::Refused);
        QCOMPARE(j.handType, handType);
        QCOMPARE(b.g.GameScore, 300 + (handType ? int(b.g.HandPoints[handType]) : 0));
        QCOMPARE(b.g.HandsMade, int16_t(handType ? 1 : 0));
        QCOMPARE(int(b.g.CardsOnBoard), 56 - (handType ? int(hand.size()) : 0));
        if (handType) {
            QCOMPARE(j.royalDing, handType == 9);
            QCOMPARE(b.g.HandCounts[handType], int16_t(1));
        }
    }

    void jokers()
    {
        TestBoard b;
        b.g.CardsOnBoard = 56;
        for (const auto& picked : { std::vector<CardId> { 110 }, Cards("KS 111"), std::vector<CardId> { 112, 113 } })
            QCOMPARE(JudgePicked(b.g, picked).verdict, Verdict::JokerRemoval);
        QCOMPARE(b.g.CardsOnBoard, int16_t(51));
        QCOMPARE(b.g.HandsMade, int16_t(0));
        QCOMPARE(b.g.GameScore, 0);
        QCOMPARE(JudgePicked(b.g, Cards("KS 110 KH")).verdict, Verdict::JokersRefused);

        b.g.ElapsedSeconds = 7;
        ApplyJokersNotePenalty(b.g);
        QCOMPARE(b.g.ElapsedSeconds, 57);

        QCOMPARE(JudgePicked(b.g, {}).verdict, Verdict::Nothing);
        QCOMPARE(JudgePicked(b.g, Cards("5C")).verdict, Verdict::Nothing);
        QCOMPARE(b.g.CardsOnBoard, int16_t(51));
    }
};

QTEST_GUILESS_MAIN(TestJudge)
#include "test_judge.moc"
