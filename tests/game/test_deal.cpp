#include "game/BoardHelper.h"
#include "game/CardCodes.h"
#include "game/CardState.h"
#include "game/Deal.h"
#include "game/DealNumber.h"

#include <QTest>

#include <algorithm>
#include <set>
#include <tuple>

namespace {
// The window's deal without its animation.
void Deal(TestBoard& b, uint32_t dealNumber)
{
    ResetForDeal(b.g);
    PrepareDeck(b.g, b.cards);
    if (b.g.SameDeal) {
        QVERIFY(!ArrangeDeck(b.g));
    } else {
        ShuffleDeckNumbered(b.g, dealNumber);
        ComputeBoardOrigin(b.g, 30, 25, 41);
    }
    LayOut(b);
}
} // namespace

class TestDeal : public QObject {
    Q_OBJECT

private slots:
    void dealNumbersGiveFixedBoards()
    {
        // Pinned so that a change of generator or shuffle shows: columns 1..8, top card first.
        const auto board = [](uint32_t n) {
            const DeckOrder deck = DealOrder(n);
            QStringList columns;
            for (int c = 0; c < 8; ++c) {
                QStringList column;
                for (int r = 1; r <= 7; ++r)
                    column << CardCode(deck[c * 7 + r]);
                columns << column.join(QLatin1Char(' '));
            }
            return columns.join(QLatin1Char('/'));
        };
        QCOMPARE(board(1),
            QStringLiteral("5C AS 4S 9D 9S AC 6D/JS 8H 8S 4D 2C 6S 8C/JK QH 8D 3C 3H AH QC/KS 5S AD 2S KH 7H 4H/"
                           "2H JK 3D 6H JD QS 9H/3S 7C JH JK TH TD TS/5H JK KD 4C 9C QD JC/7S 5D 6C 2D KC 7D TC"));
        QCOMPARE(board(kLastDealNumber),
            QStringLiteral("JD KH 7C 2D 3C 6D AC/9H QC JK JK 9S QS KD/JK QH JK KC 5D 8C TS/5S 9D 2S 7S 8H JH 4D/"
                           "AD 3S 3H 6S 4C 2C 5C/7D AH 4H AS KS 4S 8S/6C TD TC 3D 9C 8D 2H/TH 7H 5H JS 6H JC QD"));
    }

    void shuffleDealsTheAskedNumberOnce()
    {
        GameState g;
        g.NextDealNumber = 11982;
        ShuffleDeck(g);
        QCOMPARE(g.DealNumber, 11982u);
        QCOMPARE(g.NextDealNumber, 0u);
        QCOMPARE(g.Deck, DealOrder(11982));
        ShuffleDeck(g); // the time of day picks the next one
        QVERIFY(g.DealNumber >= kFirstDealNumber);
        QCOMPARE(g.Deck, DealOrder(g.DealNumber));
    }

    void dealNumbersFromChanceAndText()
    {
        QCOMPARE(DealNumberFor(0.0), kFirstDealNumber);
        QCOMPARE(DealNumberFor(0.9999999999999999), kLastDealNumber);
        QCOMPARE(ParseDealNumber(QStringLiteral(" 4294967295 ")), std::optional<uint32_t>(kLastDealNumber));
        for (const char* bad : { "0", "4294967296", "-3", "12x", "", "1.5" })
            QVERIFY2(!ParseDealNumber(QString::fromLatin1(bad)), bad);
    }

    void layOut()
    {
        TestBoard b;
        // Nothing of the last game is carried into the new one.
        b.g.GameScore = 700;
        b.g.HandCounts[4] = 2;
        b.g.SelectedCards = { 5, 6, 0, 0, 0 };
        b.g.GameInProgress = false;
        b.g.ElapsedSeconds = 95;
        b.g.ColumnCardCount[3] = 4;
        b.g.CardsOnBoard = 12;
        ResetForDeal(b.g);
        QVERIFY(b.g.GameScore == 0 && b.g.HandCounts[4] == 0 && b.g.SelectedCards[0] == 0);
        QCOMPARE(b.g.ElapsedSeconds, 0);
        QVERIFY(b.g.GameInProgress && b.g.ScoreboardPending);

        PrepareDeck(b.g, b.cards);
        QVERIFY(ArrangeDeck(b.g));
        const auto placements = LayOut(b);
        QCOMPARE(std::count_if(placements.begin(), placements.end(), [](auto& p) { return p.dealSound; }), 14);
        QVERIFY(b.g.CardsOnBoard == 56 && b.g.ActiveColumns == 8 && b.g.SavedDeck == b.g.Deck);
        for (int c = 1; c <= 8; ++c) {
            QCOMPARE(b.g.ColumnCardCount[c], int16_t(7));
            for (int r = 1; r <= 7; ++r) {
                const CardId card = b.g.CardGrid(c, r);
                QCOMPARE(card, b.g.Deck[(c - 1) * 7 + r]);
                QCOMPARE(b.cards.Position(card), QPoint(b.g.BoardLeft + c * 71, b.g.BoardTop + r * 50));
                QCOMPARE(ColumnOf(b.cards, card), c);
                QCOMPARE(RowOf(b.cards, card), r);
            }
        }
        QVERIFY(!IsOnBoard(b.cards, 53)); // the ids the jokers replaced stay out of sight
    }

    void sameDealReplaysTheBoard()
    {
        TestBoard b;
        b.g.BoardWidth = 800;
        b.g.BoardHeight = 700;
        const auto places = [&b] {
            std::vector<QPoint> at;
            for (int id : { 1, 17, 52, 110, 113 })
                at.push_back(b.cards.Position(id));
            return at;
        };
        Deal(b, 777);
        const CardGridArray grid = b.g.CardGrid;
        const std::vector<QPoint> before = places();

        b.g.BoardWidth = 1000; // a replay keeps the origin of the deal it repeats
        b.g.SameDeal = true;
        Deal(b, 1);
        QVERIFY(!b.g.SameDeal);
        QCOMPARE(b.g.DealNumber, 777u);
        QCOMPARE(b.g.CardGrid, grid);
        QCOMPARE(places(), before);
    }

    // Half a pixel goes to the even side: widths 799 and 801 leave 44.5 and 45.5,
    // heights 700 and 698 leave (700 - 30 - 36 + 41 - 396) / 2 - 50 = 89.5 and 88.5.
    void boardOriginRoundsHalfToEven()
    {
        TestBoard b;
        for (const auto& [width, height, left, top] : { std::tuple { 799, 700, 44, 90 }, { 801, 698, 46, 88 } }) {
            b.g.BoardWidth = static_cast<int16_t>(width);
            b.g.BoardHeight = static_cast<int16_t>(height);
            ComputeBoardOrigin(b.g, 30, 24, 41);
            QCOMPARE(b.g.BoardLeft, int16_t(left));
            QCOMPARE(b.g.BoardTop, int16_t(top));
        }
    }

    // The average is rounded half to even, and left out before the first game.
    void playerStatusLine()
    {
        const QString head = QStringLiteral("Player: Ann     Bankroll: ");
        GameState g;
        g.PlayerName = QStringLiteral("Ann");
        for (const auto& [bankroll, games, line] :
            { std::tuple { 2000, 0, "$2,000     Average Score: $0" }, { 5, 2, "$5     Average Score: $2" },
                { 7, 2, "$7     Average Score: $4" }, { -1, 2, "-$1     Average Score: $0" }, { -1500, 1, "-$1,500" },
                { 40000, 1, "$40,000     Average Score: $40,000" } }) {
            g.Bankroll = bankroll;
            g.GamesPlayed = games;
            QCOMPARE(PlayerStatusLine(g), head + QLatin1String(line));
        }
    }
};

QTEST_GUILESS_MAIN(TestDeal)
#include "test_deal.moc"
