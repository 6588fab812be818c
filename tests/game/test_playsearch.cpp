#include "game/BoardHelper.h"
#include "game/PlaySearch.h"
#include "game/Removal.h"

#include <QTest>

namespace {
const QString kNote = QStringLiteral("\r\rNOTE: 50 points are deducted from the 'Timer Bonus' when you use hints.  "
                                     "If you're stuck, it may be a small price to pay for a quick hint "
                                     "(the choice is yours).");

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
} // namespace

class TestPlaySearch : public QObject {
    Q_OBJECT

private slots:
    void pairs()
    {
        TestBoard b;
        b.Column(1, { Card(7, Clubs), Card(2, Clubs) });
        b.Column(2, { Card(7, Hearts) });
        QCOMPARE(Found(b), QStringLiteral("-----")); // the sevens touch only at a corner

        TestBoard above;
        above.Column(1, { Card(7, Clubs), Card(7, Hearts) });
        QCOMPARE(Found(above), QStringLiteral("P----"));
    }

    void twoPairsInARow()
    {
        TestBoard b;
        b.BottomRow(1, { Card(7, Clubs), Card(9, Diamonds), Card(7, Hearts), Card(9, Spades) });
        QCOMPARE(Found(b), QStringLiteral("-T---"));

        TestBoard three;
        three.BottomRow(1, { Card(7, Clubs), Card(9, Diamonds), Card(7, Hearts), Card(10, Spades) });
        QCOMPARE(Found(three), QStringLiteral("-----"));

        // The fourth card must touch one of the paired cards, not the start card.
        TestBoard around;
        around.Column(1, { Card(9, Hearts), Card(7, Clubs) });
        around.Column(2, { Card(9, Diamonds) });
        around.Column(3, { Card(7, Hearts) });
        QCOMPARE(Found(around), QStringLiteral("-T---"));
    }

    void flush()
    {
        TestBoard b;
        b.BottomRow(1, { Card(2, Hearts), Card(4, Hearts), Card(6, Hearts), Card(8, Hearts), Card(13, Hearts) });
        QCOMPARE(Found(b), QStringLiteral("--F--"));

        TestBoard four;
        four.BottomRow(1, { Card(2, Hearts), Card(4, Hearts), Card(6, Hearts), Card(8, Hearts), Card(13, Spades) });
        QCOMPARE(Found(four), QStringLiteral("-----"));

        // A bent shape: some start cards stop short, another reaches all five.
        TestBoard bent;
        bent.Column(1, { Card(2, Hearts), Card(12, Hearts) });
        bent.Column(2, { Card(9, Clubs), Card(4, Hearts) });
        bent.Column(3, { Card(6, Hearts), Card(8, Hearts) });
        QCOMPARE(Found(bent), QStringLiteral("--F--"));
    }

    void straights()
    {
        TestBoard low;
        low.BottomRow(1, { Card(3, Clubs), Card(1, Hearts), Card(5, Spades), Card(2, Diamonds), Card(4, Hearts) });
        QCOMPARE(Found(low), QStringLiteral("---S-"));

        TestBoard royal;
        royal.BottomRow(
            1, { Card(12, Clubs), Card(1, Hearts), Card(10, Spades), Card(13, Diamonds), Card(11, Hearts) });
        QCOMPARE(Found(royal), QStringLiteral("----R"));

        TestBoard gap;
        gap.BottomRow(1, { Card(3, Clubs), Card(1, Hearts), Card(6, Spades), Card(2, Diamonds), Card(4, Hearts) });
        QCOMPARE(Found(gap), QStringLiteral("-----"));

        TestBoard royalGap;
        royalGap.BottomRow(
            1, { Card(12, Clubs), Card(1, Hearts), Card(9, Spades), Card(13, Diamonds), Card(11, Hearts) });
        QCOMPARE(Found(royalGap), QStringLiteral("-----"));
    }

    void straightStopsShortAfterAFruitlessExpansion()
    {
        // 2, 3, 4, 5, 6 lie connected (3 over 2, then 6, 5, 4 along the bottom).
        TestBoard plain;
        plain.Column(1, { Card(3, Clubs), Card(2, Clubs) });
        plain.Column(2, { Card(6, Clubs) });
        plain.Column(3, { Card(5, Hearts) });
        plain.Column(4, { Card(4, Diamonds) });
        QVERIFY(FindStraight(plain.g, plain.cards));

        // The same five with a row of cards above: from every start card the
        // growth takes a card that shuts out the rest, or ends a pass on an
        // expansion that adds nothing before the fifth card is reached.
        TestBoard crowded;
        crowded.Column(1, { Card(3, Clubs), Card(2, Clubs) });
        crowded.Column(2, { Card(5, Clubs), Card(6, Clubs) });
        crowded.Column(3, { Card(5, Diamonds), Card(5, Hearts) });
        crowded.Column(4, { Card(1, Clubs), Card(4, Diamonds) });
        QVERIFY(!FindStraight(crowded.g, crowded.cards));
    }

    void emptyCellIsNoCard()
    {
        // A, 2, 3 down the top of column 1 and a 4 beside the Ace: four ranks
        // of a straight in the top-left corner, where the empty cells lie.
        TestBoard b;
        b.Column(1,
            { Card(1, Clubs), Card(2, Clubs), Card(3, Clubs), Card(9, Clubs), Card(13, Clubs), Card(9, Diamonds),
                Card(13, Diamonds) });
        b.Column(2,
            { Card(4, Hearts), Card(13, Hearts), Card(9, Hearts), Card(13, Spades), Card(9, Spades), Card(7, Hearts),
                Card(7, Spades) });
        QVERIFY(!FindStraight(b.g, b.cards));
    }

    void jokersAndPlaysLeft()
    {
        TestBoard b;
        b.BottomRow(1, { Card(3, Clubs), 112, Card(9, Hearts) });
        QVERIFY(AnyJokerOnBoard(b.g, b.cards));
        QVERIFY(PlaysLeft(b.g, b.cards));
        b.cards.SetCardX(112, kParkedPosition.x());
        QVERIFY(!AnyJokerOnBoard(b.g, b.cards));
        QVERIFY(!PlaysLeft(b.g, b.cards));
    }

    void hintText()
    {
        TestBoard none;
        none.BottomRow(1, { Card(3, Clubs), Card(9, Hearts) });
        QCOMPARE(HintText(none.g, none.cards), QStringLiteral("Sorry, there are no valid plays left.") + kNote);

        // A joker, a pair and a flush: their rhymes in the hint's order.
        TestBoard b;
        b.BottomRow(1,
            { 111, Card(2, Hearts), Card(4, Hearts), Card(6, Hearts), Card(8, Hearts), Card(13, Hearts),
                Card(13, Spades) });
        const QString mark(QChar(0x00BB));
        const QString expected = mark
            + QStringLiteral(" You don't need a hint for this Brasvane Poker, \r"
                             "    Look at the cards and don't be such a Joker!\r\r")
            + mark
            + QStringLiteral(" We read in the Bible that Noah had a bunch:\r"
                             "    if you can't find one of these, then you must be out to lunch!\r\r")
            + mark
            + QStringLiteral(" You don't need a hint, it's in front of your nose:\r"
                             "    look for five strangers wearing the same clothes.\r\r")
            + kNote;
        QCOMPARE(HintText(b.g, b.cards), expected);
        QCOMPARE(HintTitle(), QStringLiteral("Game Hint"));

        b.g.ElapsedSeconds = 0;
        ApplyHintPenalty(b.g);
        QCOMPARE(b.g.ElapsedSeconds, 10);
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
};

QTEST_GUILESS_MAIN(TestPlaySearch)
#include "test_playsearch.moc"
