// What the board tells the player: the searches behind the hint and the end
// of a game, the play Show a Play marks with what it costs, and where the
// keyboard's focus frame goes on ragged boards.

#include "game/BoardHelper.h"
#include "game/KeyboardFocus.h"
#include "game/PlaySearch.h"
#include "game/Removal.h"
#include "game/ShowPlay.h"

#include <QTest>

namespace {

// Columns from column 1 on, split by '|', each listed top to bottom.
void Lay(TestBoard& b, const QString& columns)
{
    int c = 0;
    for (const QString& column : columns.split(QLatin1Char('|')))
        b.Column(++c, qPrintable(column));
}

// What each search finds, in the hint's order: pair, two pairs, flush, straight, royal.
QString Found(const TestBoard& b)
{
    QString s;
    s += FindPair(b.g, b.cards) ? QLatin1Char('P') : QLatin1Char('-');
    s += FindTwoPairs(b.g, b.cards) ? QLatin1Char('T') : QLatin1Char('-');
    s += FindFlush(b.g, b.cards) ? QLatin1Char('F') : QLatin1Char('-');
    s += FindStraight(b.g, b.cards) ? QLatin1Char('S') : QLatin1Char('-');
    s += FindRoyalStraight(b.g, b.cards) ? QLatin1Char('R') : QLatin1Char('-');
    return s;
}

void Row(const char* name, const char* columns, const char* found)
{
    QTest::newRow(name) << QString::fromLatin1(columns) << QString::fromLatin1(found);
}

} // namespace

class TestPlayAids : public QObject {
    Q_OBJECT

private slots:
    void searches_data()
    {
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("found");
        Row("pair touching at a corner only", "7C 2C|7H", "-----");
        Row("pair one above the other", "7C 7H", "P----");
        Row("two pairs in a row", "7C|9D|7H|9S", "-T---");
        Row("two pairs with an odd fourth", "7C|9D|7H|10S", "-----");
        // The fourth card must touch one of the paired cards, not the start card.
        Row("two pairs around a corner", "9H 7C|9D|7H", "-T---");
        Row("flush in a row", "2H|4H|6H|8H|KH", "--F--");
        Row("four hearts and a spade", "2H|4H|6H|8H|KS", "-----");
        // Some start cards stop short, another reaches all five.
        Row("bent flush", "2H QH|9C 4H|6H 8H", "--F--");
        Row("straight, Ace low", "3C|AH|5S|2D|4H", "---S-");
        Row("royal straight", "QC|AH|10S|KD|JH", "----R");
        Row("straight with a gap", "3C|AH|6S|2D|4H", "-----");
        Row("royal with a gap", "QC|AH|9S|KD|JH", "-----");
        Row("straight 2 to 6 bent", "3C 2C|6C|5H|4D", "---S-");
        // The same five with a row of cards above: from every start card the
        // growth takes a card that shuts out the rest, or ends a pass on an
        // expansion that adds nothing before the fifth card is reached.
        Row("straight stops short after a fruitless expansion", "3C 2C|5C 6C|5D 5H|AC 4D", "P----");
        // A, 2, 3 down the top of column 1 and a 4 beside the Ace, where the
        // empty cells lie: no straight.
        Row("empty cell is no card", "AC 2C 3C 9C KC 9D KD|4H KH 9H KS 9S 7H 7S", "PTF--");
    }

    void searches()
    {
        QFETCH(QString, columns);
        QFETCH(QString, found);
        TestBoard b;
        Lay(b, columns);
        QCOMPARE(Found(b), found);
    }

    void jokersAndPlaysLeft()
    {
        TestBoard b;
        b.BottomRow(1, "3C 112 9H");
        QVERIFY(AnyJokerOnBoard(b.g, b.cards));
        QVERIFY(PlaysLeft(b.g, b.cards));
        b.cards.SetCardX(112, kParkedPosition.x());
        QVERIFY(!AnyJokerOnBoard(b.g, b.cards));
        QVERIFY(!PlaysLeft(b.g, b.cards));
    }

    void hintText()
    {
        TestBoard none;
        none.BottomRow(1, "3C 9H");
        QVERIFY(HintText(none.g, none.cards).startsWith(QStringLiteral("Sorry, there are no valid plays left.")));

        // A joker, a pair and a flush: their rhymes in the hint's order, one paragraph each.
        TestBoard b;
        b.BottomRow(1, "111 2H 4H 6H 8H KH KS");
        const QStringList parts = HintText(b.g, b.cards).split(QStringLiteral("\r\r"));
        QCOMPARE(parts.size(), 5);
        QVERIFY(parts[0].endsWith(QStringLiteral("such a Joker!")));
        QVERIFY(parts[1].contains(QStringLiteral("Noah")));
        QVERIFY(parts[2].endsWith(QStringLiteral("wearing the same clothes.")));
    }

    void endOfGame()
    {
        TestBoard b;
        b.g.GameScore = 999;
        b.g.ScoreboardPending = true;
        QCOMPARE(EndGameNoPlaysLeft(b.g), GameEnd::Statistics);
        QVERIFY(b.g.FeeWonBack);
        QVERIFY(!b.g.GameInProgress);
        QVERIFY(b.g.ScoreboardPending);

        b.g.GameScore = 1000;
        QCOMPARE(EndGameNoPlaysLeft(b.g), GameEnd::Scoreboard);
        QVERIFY(!b.g.ScoreboardPending);
        QCOMPARE(EndGameNoPlaysLeft(b.g), GameEnd::WonWithoutScoreboard);
    }

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

QTEST_GUILESS_MAIN(TestPlayAids)
#include "test_playaids.moc"
