// What the board tells the player: the searches behind the hint and the end
// of a game, the play Show a Play marks with what it costs, and where the
// keyboard's focus frame goes on ragged boards.

#include "game/BoardHelper.h"
#include "game/KeyboardFocus.h"
#include "game/PlaySearch.h"
#include "game/Removal.h"
#include "game/ShowPlay.h"

#include <QTest>

#include <tuple>

namespace {

// What each search finds, in the hint's order: pair, two pairs, flush, straight, royal.
QString Found(const TestBoard& b)
{
    using Search = bool (*)(const GameState&, const CardDeck&);
    const std::pair<Search, char> searches[] = { { FindPair, 'P' }, { FindTwoPairs, 'T' }, { FindFlush, 'F' },
        { FindStraight, 'S' }, { FindRoyalStraight, 'R' } };
    QString s;
    for (const auto& [search, letter] : searches)
        s += QLatin1Char(search(b.g, b.cards) ? letter : '-');
    return s;
}

} // namespace

class TestPlayAids : public QObject {
    Q_OBJECT

private slots:
    // What each search finds on a board laid from column 1 on.
    void searches()
    {
        for (const auto& [columns, found] : { // A pair touching at a corner only; one above the other.
                 std::pair { "7C 2C|7H", "-----" }, { "7C 7H", "P----" },
                 // Two pairs in a row; with an odd fourth; around a corner, where the
                 // fourth card must touch one of the paired cards, not the start card.
                 { "7C|9D|7H|9S", "-T---" }, { "7C|9D|7H|10S", "-----" }, { "9H 7C|9D|7H", "-T---" },
                 // A flush in a row; four hearts and a spade; a bent flush, where some
                 // start cards stop short and another reaches all five.
                 { "2H|4H|6H|8H|KH", "--F--" }, { "2H|4H|6H|8H|KS", "-----" }, { "2H QH|9C 4H|6H 8H", "--F--" },
                 // A straight with the Ace low, a royal one, each with a gap; a bent one.
                 { "3C|AH|5S|2D|4H", "---S-" }, { "QC|AH|10S|KD|JH", "----R" }, { "3C|AH|6S|2D|4H", "-----" },
                 { "QC|AH|9S|KD|JH", "-----" }, { "3C 2C|6C|5H|4D", "---S-" },
                 // The same five with a row of cards above: from every start card the
                 // growth takes a card that shuts out the rest, or ends a pass on an
                 // expansion that adds nothing before the fifth card is reached.
                 { "3C 2C|5C 6C|5D 5H|AC 4D", "P----" },
                 // A, 2, 3 down the top of column 1 and a 4 beside the Ace, where the
                 // empty cells lie: no straight.
                 { "AC 2C 3C 9C KC 9D KD|4H KH 9H KS 9S 7H 7S", "PTF--" } }) {
            TestBoard b;
            b.Lay(columns);
            QVERIFY2(Found(b) == QLatin1String(found), columns);
        }
    }

    // A joker on the board is a play left, until it is parked; the hint
    // rhymes each kind of play it finds, in its order, one paragraph each.
    void jokersPlaysLeftAndTheHint()
    {
        TestBoard b;
        b.BottomRow(1, "3C 112 9H");
        QVERIFY(AnyJokerOnBoard(b.g, b.cards) && PlaysLeft(b.g, b.cards));
        QVERIFY(HintText(b.g, b.cards).contains(QStringLiteral("such a Joker!")));
        b.cards.SetCardX(112, kParkedPosition.x());
        QVERIFY(!AnyJokerOnBoard(b.g, b.cards) && !PlaysLeft(b.g, b.cards));
        QVERIFY(HintText(b.g, b.cards).startsWith(QStringLiteral("Sorry, there are no valid plays left.")));

        TestBoard all;
        all.BottomRow(1, "111 2H 4H 6H 8H KH KS");
        const QStringList parts = HintText(all.g, all.cards).split(QStringLiteral("\r\r"));
        QCOMPARE(parts.size(), 5);
        QVERIFY(parts[0].endsWith(QStringLiteral("such a Joker!")) && parts[1].contains(QStringLiteral("Noah")));
        QVERIFY(parts[2].endsWith(QStringLiteral("wearing the same clothes.")));
    }

    // Arrows find the nearest card that way; at the edges the frame stays.
    // The frame follows its card.
    void arrowsMoveTheFrameAndItFollowsItsCard()
    {
        // Column 1 holds three cards, column 2 one, column 3 is empty, column 4 two.
        TestBoard b;
        b.Lay("2C 3C 4C|5D||9H 10H");
        const auto at = [](const char* card) { return Cards(card).at(0); };
        const auto move
            = [&](const char* from, FocusMove m) { return MoveFocus(b.g, at(from), FindCell(b.g, at(from)), m); };
        QCOMPARE(FirstFocusCard(b.g), at("4C"));
        for (const auto& [from, m, to] : { std::tuple { "4C", FocusMove::Up, "3C" }, { "3C", FocusMove::Down, "4C" },
                 { "2C", FocusMove::Up, "2C" }, { "4C", FocusMove::Down, "4C" },
                 // Sideways: the next column that holds a card, the nearest row there.
                 { "2C", FocusMove::Right, "5D" }, { "5D", FocusMove::Right, "10H" }, { "10H", FocusMove::Left, "5D" },
                 { "5D", FocusMove::Left, "4C" }, { "9H", FocusMove::Right, "9H" },
                 // Up from a column with nothing above goes to the nearest column
                 // that has a card higher up: one row up, not the same row.
                 { "5D", FocusMove::Up, "3C" }, { "5D", FocusMove::Down, "5D" } })
            QVERIFY2(move(from, m) == at(to), from);

        // The frame follows its card and takes over the cell a removed card left.
        GameState& g = b.g;
        const CardId three = Card(3, Clubs);
        const CardId four = Card(4, Clubs);
        // 4C goes: 3C drops into its cell and the frame on 4C passes to it.
        const BoardCell left = FindCell(g, four);
        g.CardGrid(1, 7) = three;
        g.CardGrid(1, 6) = Card(2, Clubs);
        g.CardGrid(1, 5) = 0;
        QCOMPARE(FollowFocus(g, four, left), three);
        QCOMPARE(FollowFocus(g, three, left), three); // a card still there keeps the frame
        // An arrow from a card that has gone moves from the cell it left.
        QCOMPARE(MoveFocus(g, four, left, FocusMove::Right), Card(5, Diamonds));
        g.CardGrid.clear();
        QVERIFY(FollowFocus(g, four, left) == 0 && FirstFocusCard(g) == 0);
    }

    // What a screen reader says of a card.
    void cardsAreReadOutByName()
    {
        for (const auto& [card, name] : { std::pair { Card(7, Hearts), "Seven of Hearts" },
                 { Card(1, Spades), "Ace of Spades" }, { CardId(kFirstJokerId + 3), "Joker" }, { CardId(0), "" } })
            QCOMPARE(SpokenCardName(card), QLatin1String(name));
    }

    // Show a Play marks the best payer, else a joker play, else nothing.
    void showAPlayMarksTheBestPayerThenAJokerThenNothing()
    {
        // A pair and three of a kind share the bottom rows; the three pays more.
        TestBoard b;
        b.BottomRow(1, "7C 7D 7H 2S");
        b.Column(6, "9C 9D");
        const auto best = PlayToShow(b.g, b.cards);
        QVERIFY(best && best->count == 3 && best->handType == 3 && best->points == b.g.HandPoints[3]);
        TestBoard jokers;
        jokers.BottomRow(1, "2C 110 9H");
        const auto joker = PlayToShow(jokers.g, jokers.cards);
        QVERIFY(joker && joker->handType == 0);
        QVERIFY(std::find(joker->cards.begin(), joker->cards.end(), CardId(110)) != joker->cards.end());
        TestBoard none;
        none.BottomRow(1, "2C 9H");
        QVERIFY(!PlayToShow(none.g, none.cards));
    }
};

QTEST_GUILESS_MAIN(TestPlayAids)
#include "test_playaids.moc"
