// Where the keyboard's focus frame goes on ragged boards, and the play that
// Show a Play marks with what it costs.

#include "game/BoardHelper.h"
#include "game/KeyboardFocus.h"
#include "game/ShowPlay.h"

#include <QTest>

class TestKeyboardFocus : public QObject {
    Q_OBJECT

private slots:
    void arrowsFindTheNearestCardThatWay()
    {
        // Column 1 holds three cards, column 2 one, column 3 is empty, column 4 two.
        TestBoard b;
        b.Column(1, "2C 3C 4C");
        b.Column(2, "5D");
        b.Column(4, "9H 10H");
        const GameState& g = b.g;
        const auto at = [&](const char* card) { return Cards(card)[0]; };
        const auto move
            = [&](const char* from, FocusMove m) { return MoveFocus(g, at(from), FindCell(g, at(from)), m); };

        QCOMPARE(FirstFocusCard(g), at("4C"));
        QCOMPARE(move("4C", FocusMove::Up), at("3C"));
        QCOMPARE(move("3C", FocusMove::Down), at("4C"));
        // The top and the bottom of a column: the frame stays.
        QCOMPARE(move("2C", FocusMove::Up), at("2C"));
        QCOMPARE(move("4C", FocusMove::Down), at("4C"));
        // Sideways: the next column that holds a card, the nearest row there.
        QCOMPARE(move("2C", FocusMove::Right), at("5D"));
        QCOMPARE(move("5D", FocusMove::Right), at("10H"));
        QCOMPARE(move("10H", FocusMove::Left), at("5D"));
        QCOMPARE(move("5D", FocusMove::Left), at("4C"));
        QCOMPARE(move("9H", FocusMove::Right), at("9H"));
        // Row 6 lies as near row 5 as row 4 does: the lower card wins.
        TestBoard tie;
        tie.Column(1, "AS 2S 3S 4S 5S 6S 7S");
        tie.Column(2, "8D 9D");
        QCOMPARE(MoveFocus(tie.g, Cards("9D")[0], FindCell(tie.g, Cards("9D")[0]), FocusMove::Left), Cards("7S")[0]);
        // Up from a column with nothing above goes to the nearest column that
        // has a card higher up: one row up, not the same row.
        QCOMPARE(move("5D", FocusMove::Up), at("3C"));
        QCOMPARE(move("5D", FocusMove::Down), at("5D"));
    }

    void theFrameFollowsItsCardAndTakesOverAnEmptiedCell()
    {
        TestBoard b;
        b.Column(1, "2C 3C 4C");
        b.Column(2, "5D");
        GameState& g = b.g;
        const CardId three = Cards("3C")[0];
        const CardId four = Cards("4C")[0];
        // 4C goes: 3C drops into its cell and the frame on 4C passes to it.
        const BoardCell left = FindCell(g, four);
        g.CardGrid(1, 7) = three;
        g.CardGrid(1, 6) = Cards("2C")[0];
        g.CardGrid(1, 5) = 0;
        QCOMPARE(FollowFocus(g, four, left), three);
        // A card that is still there keeps the frame wherever it went.
        QCOMPARE(FollowFocus(g, three, left), three);
        // An arrow from a card that has gone moves from the cell it left.
        QCOMPARE(MoveFocus(g, four, left, FocusMove::Right), Cards("5D")[0]);
        // Nothing on the board: no frame.
        g.CardGrid.clear();
        QCOMPARE(FollowFocus(g, four, left), CardId(0));
        QCOMPARE(FirstFocusCard(g), CardId(0));
    }

    void cardsAreReadOutByName()
    {
        QCOMPARE(SpokenCardName(Card(7, Hearts)), QStringLiteral("Seven of Hearts"));
        QCOMPARE(SpokenCardName(Card(1, Spades)), QStringLiteral("Ace of Spades"));
        QCOMPARE(SpokenCardName(CardId(kFirstJokerId + 3)), QStringLiteral("Joker"));
        QVERIFY(SpokenCardName(0).isEmpty());
    }

    void showAPlayMarksTheBestPayerThenAJokerThenNothing()
    {
        // A pair and three of a kind share the bottom rows; the three pays more.
        TestBoard b;
        b.BottomRow(1, "7C 7D 7H 2S");
        b.Column(6, "9C 9D");
        const auto best = PlayToShow(b.g, b.cards);
        QVERIFY(best);
        QCOMPARE(best->count, 3);
        QCOMPARE(best->handType, 3);
        QCOMPARE(best->points, int(b.g.HandPoints[3]));

        TestBoard jokers;
        jokers.BottomRow(1, "2C 110 9H");
        const auto joker = PlayToShow(jokers.g, jokers.cards);
        QVERIFY(joker);
        QCOMPARE(joker->handType, 0);
        QVERIFY(std::find(joker->cards.begin(), joker->cards.end(), CardId(110)) != joker->cards.end());

        TestBoard none;
        none.BottomRow(1, "2C 9H");
        QVERIFY(!PlayToShow(none.g, none.cards));
    }
};

QTEST_GUILESS_MAIN(TestKeyboardFocus)
#include "test_keyboardfocus.moc"
