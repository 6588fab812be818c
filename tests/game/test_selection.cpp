#include "game/BoardHelper.h"
#include "game/CardState.h"
#include "game/Selection.h"

#include <QTest>

namespace {
// Three full columns: column c holds ranks A..7 from the top, suit = column.
const char* const kThreeColumns[] = { "AC 2C 3C 4C 5C 6C 7C", "AD 2D 3D 4D 5D 6D 7D", "AH 2H 3H 4H 5H 6H 7H" };

void ThreeFullColumns(TestBoard& b)
{
    for (int c = 1; c <= 3; ++c)
        b.Column(c, kThreeColumns[c - 1]);
}
} // namespace

class TestSelection : public QObject {
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
};

QTEST_GUILESS_MAIN(TestSelection)
#include "test_selection.moc"
