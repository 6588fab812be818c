#include "game/BoardHelper.h"
#include "game/Deal.h"

#include <QTest>

#include <algorithm>
#include <set>

namespace {
// The window's deal without its animation.
void Deal(TestBoard& b, double seed)
{
    ResetForDeal(b.g);
    PrepareDeck(b.g, b.cards);
    if (b.g.SameDeal) {
        QVERIFY(!ArrangeDeck(b.g));
    } else {
        ShuffleDeckSeeded(b.g, seed);
        ComputeBoardOrigin(b.g, 30, 25, 41);
    }
    LayOut(b);
}
} // namespace

class TestDeal : public QObject {
    Q_OBJECT

private slots:
    void shuffleHoldsEveryCardAndJokersInDealOrder()
    {
        GameState g;
        for (const double seed : { 0.0, 86399.9 }) {
            ShuffleDeckSeeded(g, seed);
            const std::set<int> ids(g.Deck.begin() + 1, g.Deck.end());
            QCOMPARE(ids.size(), size_t(56));
            QVERIFY(*ids.begin() == 1 && ids.count(52) && !ids.count(53));
            int next = 110;
            for (int i = 1; i <= 56; ++i)
                if (g.Deck[i] > 52)
                    QCOMPARE(int(g.Deck[i]), next++);
            QCOMPARE(next, 114);
        }
    }

    void fixedSeedGivesFixedDeal()
    {
        // Pinned so that a change of generator or shuffle shows.
        GameState g;
        ShuffleDeckSeeded(g, 4242.0);
        QCOMPARE(std::vector<CardId>(g.Deck.begin() + 1, g.Deck.begin() + 9),
            (std::vector<CardId> { 38, 42, 18, 52, 8, 1, 22, 6 }));
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
        QCOMPARE(b.g.CardsOnBoard, int16_t(56));
        QCOMPARE(b.g.ActiveColumns, int16_t(8));
        QCOMPARE(b.g.SavedDeck, b.g.Deck);
        for (int c = 1; c <= 8; ++c) {
            QCOMPARE(b.g.ColumnCardCount[c], int16_t(7));
            for (int r = 1; r <= 7; ++r) {
                const CardId card = b.g.CardGrid(c, r);
                QCOMPARE(card, b.g.Deck[(c - 1) * 7 + r]);
                QCOMPARE(b.cards.Position(card), QPoint(b.g.BoardLeft + c * 71, b.g.BoardTop + r * 50));
                QCOMPARE(b.cards.GetUser3(card), c);
                QCOMPARE(b.cards.GetUser4(card), r);
                QCOMPARE(b.cards.IsCardBlocked(card), r < 7);
            }
        }
        QVERIFY(b.cards.GetCardX(53) <= 0); // the ids the jokers replaced stay out of sight
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
        Deal(b, 777.0);
        const CardGridArray grid = b.g.CardGrid;
        const std::vector<QPoint> before = places();

        b.g.BoardWidth = 1000; // a replay keeps the origin of the deal it repeats
        b.g.SameDeal = true;
        Deal(b, 1.0);
        QVERIFY(!b.g.SameDeal);
        QCOMPARE(b.g.CardGrid, grid);
        QCOMPARE(places(), before);

        GameState fresh; // nothing to replay yet: shuffles
        fresh.SameDeal = true;
        QVERIFY(ArrangeDeck(fresh));
        QVERIFY(!fresh.SameDeal);
        QVERIFY(std::none_of(fresh.Deck.begin() + 1, fresh.Deck.end(), [](CardId id) { return id == 0; }));
    }

    void boardOriginRoundsHalfToEven()
    {
        TestBoard b;
        b.g.BoardWidth = 799; // 44.5
        b.g.BoardHeight = 700; // (700 - 30 - 36 + 41 - 396) / 2 - 50 = 89.5
        ComputeBoardOrigin(b.g, 30, 24, 41);
        QCOMPARE(b.g.BoardLeft, int16_t(44));
        QCOMPARE(b.g.BoardTop, int16_t(90));
        b.g.BoardWidth = 801; // 45.5
        b.g.BoardHeight = 698; // 88.5
        ComputeBoardOrigin(b.g, 30, 24, 41);
        QCOMPARE(b.g.BoardLeft, int16_t(46));
        QCOMPARE(b.g.BoardTop, int16_t(88));
    }

    void playerStatusLine_data()
    {
        QTest::addColumn<int>("bankroll");
        QTest::addColumn<int>("games");
        QTest::addColumn<QString>("line");
        const QString head = QStringLiteral("Player: Ann     Bankroll: ");
        QTest::newRow("no game yet") << 2000 << 0 << head + QStringLiteral("$2,000     Average Score: $0");
        QTest::newRow("2.5 to 2") << 5 << 2 << head + QStringLiteral("$5     Average Score: $2");
        QTest::newRow("3.5 to 4") << 7 << 2 << head + QStringLiteral("$7     Average Score: $4");
        QTest::newRow("-0.5 to 0") << -1 << 2 << head + QStringLiteral("-$1     Average Score: $0");
        QTest::newRow("negative") << -1500 << 1 << head + QStringLiteral("-$1,500");
        QTest::newRow("beyond 16 bits") << 40000 << 1 << head + QStringLiteral("$40,000     Average Score: $40,000");
    }

    void playerStatusLine()
    {
        QFETCH(int, bankroll);
        QFETCH(int, games);
        QFETCH(QString, line);
        GameState g;
        g.PlayerName = QStringLiteral("Ann");
        g.Bankroll = bankroll;
        g.GamesPlayed = games;
        QCOMPARE(PlayerStatusLine(g), line);
    }
};

QTEST_GUILESS_MAIN(TestDeal)
#include "test_deal.moc"
