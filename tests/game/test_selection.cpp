#include "game/BoardHelper.h"
#include "game/Selection.h"

#include <QTest>

namespace {
// Three full columns: column c holds ranks from the top, suit = column.
void ThreeFullColumns(TestBoard& b)
{
    b.Column(1, { Card(1, 1), Card(2, 1), Card(3, 1), Card(4, 1), Card(5, 1), Card(6, 1), Card(7, 1) });
    b.Column(2, { Card(1, 2), Card(2, 2), Card(3, 2), Card(4, 2), Card(5, 2), Card(6, 2), Card(7, 2) });
    b.Column(3, { Card(1, 3), Card(2, 3), Card(3, 3), Card(4, 3), Card(5, 3), Card(6, 3), Card(7, 3) });
}

AdjacencyResult Submit(TestBoard& b, std::initializer_list<CardId> picked)
{
    b.g.SelectedCards.fill(0);
    b.g.SelectedCount = 0;
    b.Pick(picked);
    return CheckAdjacent(b.g, b.cards);
}
} // namespace

class TestSelection : public QObject {
    Q_OBJECT

private slots:
    void neighbours()
    {
        TestBoard b;
        ThreeFullColumns(b);
        const CardId middle = Card(4, 2);
        QCOMPARE(CardAbove(b.g, b.cards, middle), Card(3, 2));
        QCOMPARE(CardBelow(b.g, b.cards, middle), Card(5, 2));
        QCOMPARE(CardLeft(b.g, b.cards, middle), Card(4, 1));
        QCOMPARE(CardRight(b.g, b.cards, middle), Card(4, 3));
        QCOMPARE(CardAbove(b.g, b.cards, Card(1, 1)), CardId(0));
        QCOMPARE(CardLeft(b.g, b.cards, Card(1, 1)), CardId(0));
        QCOMPARE(CardBelow(b.g, b.cards, Card(7, 3)), CardId(0));
        QCOMPARE(CardAbove(b.g, b.cards, 0), CardId(0));

        // Storage beyond ActiveColumns is not the board.
        b.g.CardGrid(4, 4) = Card(9, 4);
        QCOMPARE(CardRight(b.g, b.cards, Card(4, 3)), CardId(0));
    }

    void adjacencyCount()
    {
        TestBoard b;
        ThreeFullColumns(b);

        AdjacencyResult r = Submit(b, { Card(6, 1), Card(7, 1) });
        QCOMPARE(r.AdjacentLinks, int16_t(2));
        QVERIFY(!r.Refused);

        r = Submit(b, { Card(6, 1), Card(7, 2) }); // diagonal
        QCOMPARE(r.AdjacentLinks, int16_t(0));
        QVERIFY(r.Refused);

        r = Submit(b, { Card(5, 1), Card(6, 1), Card(7, 1) });
        QCOMPARE(r.AdjacentLinks, int16_t(4));

        r = Submit(b, { Card(5, 1), Card(6, 1), Card(7, 2) }); // one pair, one card apart
        QVERIFY(r.Refused);

        // A 2 x 2 block holds four pairs: any fifth card passes with it.
        r = Submit(b, { Card(6, 1), Card(7, 1), Card(6, 2), Card(7, 2), Card(1, 3) });
        QCOMPARE(r.AdjacentLinks, int16_t(8));
        QVERIFY(!r.Refused);

        // Four in an L and one apart: three pairs only.
        r = Submit(b, { Card(5, 1), Card(6, 1), Card(7, 1), Card(7, 2), Card(1, 3) });
        QVERIFY(r.Refused);
    }

    void jokerExemptions()
    {
        TestBoard b;
        b.Column(1, { Card(2, 1), Card(3, 1), 110 });
        b.Column(2, { Card(2, 2), 111, Card(4, 2) });
        b.Column(3, { Card(9, 3), Card(9, 4) });

        // A joker in the bottom row goes with any card of the board.
        AdjacencyResult r = Submit(b, { Card(9, 3), 110 });
        QCOMPARE(r.AdjacentLinks, int16_t(1));
        QVERIFY(!r.Refused);

        // A joker alone, on any row.
        r = Submit(b, { 111 });
        QCOMPARE(r.AdjacentLinks, int16_t(1));

        // A joker above the bottom row needs its neighbour like any card.
        r = Submit(b, { 111, Card(2, 1) }); // diagonal
        QVERIFY(r.Refused);
        r = Submit(b, { 111, Card(4, 2) });
        QCOMPARE(r.AdjacentLinks, int16_t(2));

        // A single ordinary card, or none: nothing to judge, silently.
        r = Submit(b, { Card(9, 3) });
        QCOMPARE(r.AdjacentLinks, int16_t(0));
        QVERIFY(!r.Refused);
        r = Submit(b, {});
        QCOMPARE(r.AdjacentLinks, int16_t(0));
        QVERIFY(!r.Refused);
    }

    void pickAndDrop()
    {
        TestBoard b;
        ThreeFullColumns(b);
        QCOMPARE(PickCard(b.g, b.cards, Card(1, 1)), 0);
        QCOMPARE(PickCard(b.g, b.cards, Card(2, 1)), 1);
        QCOMPARE(PickCard(b.g, b.cards, Card(3, 1)), 2);
        QVERIFY(IsPicked(b.cards, Card(2, 1)));

        QCOMPARE(DropCard(b.g, b.cards, Card(2, 1)), 1);
        QVERIFY(!IsPicked(b.cards, Card(2, 1)));
        QCOMPARE(b.g.SelectedCount, int16_t(2));
        QCOMPARE(b.g.SelectedCards[1], CardId(0));
        QCOMPARE(b.g.SelectedCards[2], Card(3, 1)); // slots are not packed
        QCOMPARE(DropCard(b.g, b.cards, Card(2, 1)), -1);

        QCOMPARE(PickCard(b.g, b.cards, Card(4, 1)), 1); // the lowest free slot
        QCOMPARE(PickCard(b.g, b.cards, Card(5, 1)), 3);
        QCOMPARE(PickCard(b.g, b.cards, Card(6, 1)), 4);
        QCOMPARE(PickCard(b.g, b.cards, Card(7, 1)), -1); // a sixth is refused
        QCOMPARE(b.g.SelectedCount, int16_t(5));
        QVERIFY(!IsPicked(b.cards, Card(7, 1)));

        // A slot whose card was let go elsewhere counts as free.
        b.cards.SetUser2(Card(5, 1), 0);
        --b.g.SelectedCount;
        QCOMPARE(LowestFreeSlot(b.g, b.cards), 3);

        ClearSelection(b.g);
        QCOMPARE(b.g.SelectedCount, int16_t(0));
        QCOMPARE(LowestFreeSlot(b.g, b.cards), 0);
    }
};

QTEST_GUILESS_MAIN(TestSelection)
#include "test_selection.moc"
