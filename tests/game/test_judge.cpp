#include "game/BoardHelper.h"
#include "game/GameTexts.h"
#include "game/Judge.h"

#include <QTest>

#include <vector>

namespace {
std::vector<CardId> Hand(std::initializer_list<std::pair<int, int>> rankSuit)
{
    std::vector<CardId> hand;
    for (const auto& [rank, suit] : rankSuit)
        hand.push_back(Card(rank, suit));
    return hand;
}

// Judges the cards as picked into the slots in this order.
Judgement JudgePicked(GameState& g, const std::vector<CardId>& hand)
{
    g.SelectedCards.fill(0);
    for (size_t i = 0; i < hand.size(); ++i)
        g.SelectedCards[i] = hand[i];
    return JudgeSelection(g);
}
} // namespace

class TestJudge : public QObject {
    Q_OBJECT

private slots:
    void hands_data()
    {
        QTest::addColumn<std::vector<CardId>>("hand");
        QTest::addColumn<int>("handType");

        QTest::newRow("two sevens") << Hand({ { 7, Clubs }, { 7, Hearts } }) << 1;
        QTest::newRow("seven and eight") << Hand({ { 7, Clubs }, { 8, Clubs } }) << 0;
        QTest::newRow("three sevens") << Hand({ { 7, Clubs }, { 7, Hearts }, { 7, Spades } }) << 3;
        QTest::newRow("two sevens and a jack") << Hand({ { 7, Clubs }, { 7, Hearts }, { 11, Spades } }) << 0;
        QTest::newRow("four sevens") << Hand({ { 7, Clubs }, { 7, Hearts }, { 7, Spades }, { 7, Diamonds } }) << 7;
        QTest::newRow("two pairs") << Hand({ { 7, Clubs }, { 11, Hearts }, { 7, Spades }, { 11, Diamonds } }) << 2;
        QTest::newRow("three sevens and a jack (10 pairs)")
            << Hand({ { 7, Clubs }, { 7, Hearts }, { 7, Spades }, { 11, Diamonds } }) << 0;
        QTest::newRow("one pair and two odd cards (6 pairs)")
            << Hand({ { 7, Clubs }, { 7, Hearts }, { 2, Spades }, { 11, Diamonds } }) << 0;
        QTest::newRow("full house") << Hand({ { 7, Clubs }, { 11, Hearts }, { 7, Spades }, { 11, Diamonds },
            { 7, Hearts } }) << 6;
        QTest::newRow("two pairs and one")
            << Hand({ { 7, Clubs }, { 11, Hearts }, { 7, Spades }, { 11, Diamonds }, { 2, Hearts } }) << 0;
        QTest::newRow("three of a kind and two odd")
            << Hand({ { 7, Clubs }, { 7, Hearts }, { 7, Spades }, { 11, Diamonds }, { 2, Hearts } }) << 0;
        QTest::newRow("four of a kind and one")
            << Hand({ { 7, Clubs }, { 7, Hearts }, { 7, Spades }, { 7, Diamonds }, { 2, Hearts } }) << 0;
        QTest::newRow("A-2-3-4-5 mixed") << Hand({ { 3, Clubs }, { 1, Hearts }, { 5, Spades }, { 2, Diamonds },
            { 4, Hearts } }) << 4;
        QTest::newRow("9 to K mixed") << Hand({ { 13, Clubs }, { 9, Hearts }, { 11, Spades }, { 10, Diamonds },
            { 12, Hearts } }) << 4;
        QTest::newRow("10-J-Q-K-A mixed")
            << Hand({ { 1, Clubs }, { 10, Hearts }, { 11, Spades }, { 12, Diamonds }, { 13, Hearts } }) << 4;
        QTest::newRow("J-Q-K-A-2 mixed") << Hand({ { 11, Clubs }, { 12, Hearts }, { 13, Spades }, { 1, Diamonds },
            { 2, Hearts } }) << 0;
        QTest::newRow("five hearts, not in sequence")
            << Hand({ { 2, Hearts }, { 9, Hearts }, { 4, Hearts }, { 13, Hearts }, { 7, Hearts } }) << 5;
        QTest::newRow("four hearts and a spade")
            << Hand({ { 2, Hearts }, { 9, Hearts }, { 4, Hearts }, { 13, Hearts }, { 7, Spades } }) << 0;
        QTest::newRow("straight flush 9 to K")
            << Hand({ { 9, Clubs }, { 10, Clubs }, { 11, Clubs }, { 12, Clubs }, { 13, Clubs } }) << 8;
        QTest::newRow("straight flush A to 5")
            << Hand({ { 1, Spades }, { 2, Spades }, { 3, Spades }, { 4, Spades }, { 5, Spades } }) << 8;
        QTest::newRow("royal flush") << Hand({ { 13, Hearts }, { 1, Hearts }, { 10, Hearts }, { 12, Hearts },
            { 11, Hearts } }) << 9;
        QTest::newRow("sequence with a gap")
            << Hand({ { 2, Clubs }, { 3, Hearts }, { 4, Spades }, { 5, Diamonds }, { 7, Hearts } }) << 0;
    }

    void hands()
    {
        QFETCH(std::vector<CardId>, hand);
        QFETCH(int, handType);
        TestBoard b;
        b.g.CardsOnBoard = 56;
        b.g.GameScore = 300;
        const Judgement j = JudgePicked(b.g, hand);
        if (handType == 0) {
            QCOMPARE(j.verdict, Verdict::Refused);
            QCOMPARE(b.g.GameScore, 300);
            QCOMPARE(b.g.CardsOnBoard, int16_t(56));
            QCOMPARE(b.g.HandsMade, int16_t(0));
            return;
        }
        QCOMPARE(j.verdict, Verdict::Hand);
        QCOMPARE(j.handType, handType);
        QCOMPARE(j.handLabel(), handType - 1);
        QCOMPARE(j.points, int(b.g.HandPoints[handType]));
        QCOMPARE(j.royalDing, handType == 9);
        QCOMPARE(b.g.GameScore, 300 + j.points);
        QCOMPARE(b.g.HandCounts[handType], int16_t(1));
        QCOMPARE(b.g.HandsMade, int16_t(1));
        QCOMPARE(int(b.g.CardsOnBoard), 56 - int(hand.size()));
    }

    void packsSlotsInOrder()
    {
        TestBoard b;
        b.g.SelectedCards = { 0, Card(7, Clubs), 0, 0, Card(7, Hearts) };
        const Judgement j = JudgeSelection(b.g);
        QCOMPARE(j.handType, 1);
        QCOMPARE(b.g.SelectedHand[0], Card(7, Clubs));
        QCOMPARE(b.g.SelectedHand[1], Card(7, Hearts));
        QCOMPARE(b.g.SelectedHand[2], CardId(0));
    }

    void straightAndFlushStaySeparate()
    {
        TestBoard b;
        JudgePicked(b.g, Hand({ { 2, Hearts }, { 9, Hearts }, { 4, Hearts }, { 13, Hearts }, { 7, Hearts } }));
        JudgePicked(b.g, Hand({ { 3, Clubs }, { 1, Hearts }, { 5, Spades }, { 2, Diamonds }, { 4, Hearts } }));
        QCOMPARE(b.g.HandCounts[4], int16_t(1));
        QCOMPARE(b.g.HandCounts[5], int16_t(1));
        QCOMPARE(b.g.GameScore, 400);
        QCOMPARE(b.g.HandsMade, int16_t(2));
    }

    void jokers()
    {
        TestBoard b;
        b.g.CardsOnBoard = 56;

        Judgement j = JudgePicked(b.g, { 110 });
        QCOMPARE(j.verdict, Verdict::JokerRemoval);
        QCOMPARE(j.handLabel(), -1);
        QCOMPARE(b.g.CardsOnBoard, int16_t(55));

        j = JudgePicked(b.g, { Card(13, Spades), 111 });
        QCOMPARE(j.verdict, Verdict::JokerRemoval);
        QCOMPARE(j.cardsRemoved, 2);
        QCOMPARE(b.g.CardsOnBoard, int16_t(53));

        j = JudgePicked(b.g, { 112, 113 });
        QCOMPARE(j.verdict, Verdict::JokerRemoval);
        QCOMPARE(b.g.CardsOnBoard, int16_t(51));
        QCOMPARE(b.g.HandsMade, int16_t(0));
        QCOMPARE(b.g.GameScore, 0);

        j = JudgePicked(b.g, { Card(13, Spades), 110, Card(13, Hearts) });
        QCOMPARE(j.verdict, Verdict::JokersRefused);
        QVERIFY(!j.accepted());
        QCOMPARE(b.g.CardsOnBoard, int16_t(51));

        b.g.ElapsedSeconds = 7;
        ApplyJokersNotePenalty(b.g);
        QCOMPARE(b.g.ElapsedSeconds, 57);
    }

    void nothingToJudge()
    {
        TestBoard b;
        b.g.CardsOnBoard = 56;
        QCOMPARE(JudgePicked(b.g, {}).verdict, Verdict::Nothing);
        QCOMPARE(JudgePicked(b.g, { Card(5, Clubs) }).verdict, Verdict::Nothing);
        QCOMPARE(b.g.CardsOnBoard, int16_t(56));
    }

    void texts()
    {
        QCOMPARE(HandPopupCaption(5),
            QStringLiteral("FULL HOUSE\r\rThe hand contains both a pair and a three of a kind.\r"
                           "(Both the Pair and the Three of a Kind can be of any value.)"
                           "\r\rExample:  2 Fives and 3 Queens\r"));
        QCOMPARE(HandPopupCaption(0), QStringLiteral("1 PAIR\r\r2 cards that are alike.\r\rExample:  2 Fives\r\r"));
        for (int i = 0; i < 9; ++i)
            QVERIFY(!HandDefinitionText(i).contains(QLatin1Char('\n')));
        QVERIFY(HandDefinitionText(9).isEmpty());
        QVERIFY(AboutJokersText().contains(QStringLiteral(" they are \"fillers\" and can be removed")));
    }
};

QTEST_GUILESS_MAIN(TestJudge)
#include "test_judge.moc"
