#include "game/BoardHelper.h"
#include "game/PlaySearch.h"
#include "game/Removal.h"

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

class TestPlaySearch : public QObject {
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
};

QTEST_GUILESS_MAIN(TestPlaySearch)
#include "test_playsearch.moc"
