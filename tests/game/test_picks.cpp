// Which picks touch, and which hand they make.

#include "game/BoardHelper.h"
#include "game/CardState.h"
#include "game/Judge.h"
#include "game/Selection.h"

#include <QTest>

#include <algorithm>
#include <vector>

namespace {

// Three full columns: column c holds ranks A..7 from the top, suit = column.
const char* const kThreeColumns[] = { "AC 2C 3C 4C 5C 6C 7C", "AD 2D 3D 4D 5D 6D 7D", "AH 2H 3H 4H 5H 6H 7H" };

void ThreeFullColumns(TestBoard& b)
{
    for (int c = 1; c <= 3; ++c)
        b.Column(c, kThreeColumns[c - 1]);
}

// Judges the cards as picked into the slots in this order.
Judgement JudgePicked(GameState& g, const std::vector<CardId>& hand)
{
    g.SelectedCards.fill(0);
    std::copy(hand.begin(), hand.end(), g.SelectedCards.begin());
    return JudgeSelection(g);
}

} // namespace

class TestPicks : public QObject {
    Q_OBJECT

private slots:
    void adjacency_data()
    {
        QTest::addColumn<bool>("jokerBoard");
        QTest::addColumn<QString>("picked");
        QTest::addColumn<int>("links");
        QTest::addColumn<bool>("refused");
        const auto row = [](const char* name, bool jokerBoard, const char* picked, int links, bool refused) {
            QTest::newRow(name) << jokerBoard << QString::fromLatin1(picked) << links << refused;
        };
        row("pair one above the other", false, "6C 7C", 2, false);
        row("diagonal", false, "6C 7D", 0, true);
        row("three in a column", false, "5C 6C 7C", 4, false);
        row("one pair and a card apart", false, "5C 6C 7D", 0, true);
        // It is a count: a 2 x 2 block holds four pairs, so any fifth card passes with it.
        row("block and a card apart", false, "6C 7C 6D 7D AH", 8, false);
        row("L of four and a card apart", false, "5C 6C 7C 7D AH", 0, true);
        // Joker board: 2C 3C 110 | 2D 111 4D | 9H 9S.
        row("bottom-row joker with any card", true, "9H 110", 1, false);
        row("joker alone, above the bottom", true, "111", 1, false);
        row("joker above the bottom, diagonal", true, "111 2C", 0, true);
        row("joker above the bottom, beside", true, "111 4D", 2, false);
        row("single card: nothing to judge", true, "9H", 0, false);
        row("no card", true, "", 0, false);
    }

    void adjacency()
    {
        QFETCH(bool, jokerBoard);
        QFETCH(QString, picked);
        QFETCH(int, links);
        QFETCH(bool, refused);
        TestBoard b;
        if (jokerBoard) {
            b.Column(1, "2C 3C 110");
            b.Column(2, "2D 111 4D");
            b.Column(3, "9H 9S");
        } else {
            ThreeFullColumns(b);
        }
        b.Pick(Cards(qPrintable(picked)));
        const AdjacencyResult r = CheckAdjacent(b.g, b.cards);
        QCOMPARE(int(r.AdjacentLinks), links);
        QCOMPARE(r.Refused, refused);
    }

    void pickAndDrop()
    {
        TestBoard b;
        ThreeFullColumns(b);
        for (int rank = 1; rank <= 3; ++rank)
            QCOMPARE(PickCard(b.g, b.cards, Card(rank, Clubs)), rank - 1);
        QVERIFY(IsPicked(b.cards, Card(2, Clubs)));

        QCOMPARE(DropCard(b.g, b.cards, Card(2, Clubs)), 1);
        QVERIFY(!IsPicked(b.cards, Card(2, Clubs)));
        QCOMPARE(b.g.SelectedCount, int16_t(2));
        QCOMPARE(b.g.SelectedCards[2], Card(3, Clubs)); // slots are not packed
        QCOMPARE(DropCard(b.g, b.cards, Card(2, Clubs)), -1);

        QCOMPARE(PickCard(b.g, b.cards, Card(4, Clubs)), 1); // the lowest free slot
        QCOMPARE(PickCard(b.g, b.cards, Card(5, Clubs)), 3);
        QCOMPARE(PickCard(b.g, b.cards, Card(6, Clubs)), 4);
        QCOMPARE(PickCard(b.g, b.cards, Card(7, Clubs)), -1); // a sixth is refused
        QCOMPARE(b.g.SelectedCount, int16_t(5));
        QVERIFY(!IsPicked(b.cards, Card(7, Clubs)));

        // A slot whose card was let go elsewhere counts as free.
        SetPicked(b.cards, Card(5, Clubs), false);
        --b.g.SelectedCount;
        QCOMPARE(LowestFreeSlot(b.g, b.cards), 3);

        ClearSelection(b.g);
        QCOMPARE(LowestFreeSlot(b.g, b.cards), 0);
    }

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

QTEST_GUILESS_MAIN(TestPicks)
#include "test_picks.moc"
