// The board's picture over whole games of random plays: wherever no card
// lies the table shows as a fresh paint would, after every play, undo and
// close-up.

#include "support/WindowTest.h"
#include "ui/BoardSurface.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <utility>
#include <vector>

namespace {
using Cell = std::pair<int, int>; // column, row

// Every two touching ordinary cards of one rank: the pairs a player can make.
std::vector<std::pair<Cell, Cell>> PairsOnBoard()
{
    const GameState& g = Game();
    auto rank = [&](int c, int r) {
        const CardId card = c <= g.ActiveColumns && r <= g.NumRows ? g.CardGrid(c, r) : CardId(0);
        return card >= 1 && card <= 52 ? CardDeck::GetCardValue(card) : -c - 100 * r; // no two blanks alike
    };
    std::vector<std::pair<Cell, Cell>> pairs;
    for (int c = 1; c <= g.ActiveColumns; ++c) {
        for (int r = 1; r <= g.NumRows; ++r) {
            for (const Cell& next : { Cell { c, r + 1 }, Cell { c + 1, r } }) {
                if (rank(c, r) >= 0 && rank(c, r) == rank(next.first, next.second))
                    pairs.push_back({ { c, r }, next });
            }
        }
    }
    return pairs;
}

// The board painted from scratch from CardGrid: the table, then every card top row first.
QImage FreshPicture(const BoardSurface& shown)
{
    const GameState& g = Game();
    BoardSurface fresh;
    fresh.Resize(shown.Size(), shown.Pixmap().devicePixelRatio());
    fresh.Clear();
    for (int c = 1; c <= g.NumColumns; ++c) {
        for (int r = 1; r <= g.NumRows; ++r) {
            const CardId card = g.CardGrid(c, r);
            fresh.DrawCard(card, Cards().GetCardX(card), Cards().GetCardY(card));
        }
    }
    return fresh.Pixmap().toImage();
}
} // namespace

class TestBoardPicture : public QObject {
    Q_OBJECT

    test::GameWindow w_;
    std::mt19937 random_ { 20240611 };

    void Click(Qt::MouseButton button, Cell cell)
    {
        QTest::mouseClick(w_->Board(), button, {}, test::CardCentre(cell.first, cell.second));
    }

    // A shuffled deck; or, to empty whole columns, one in order of rank (the
    // four of a rank in a row) with a few cards swapped.
    void DealRandomBoard(bool byRank)
    {
        std::array<CardId, kDeckSize + 1> deck {};
        std::iota(deck.begin() + 1, deck.begin() + 53, CardId(1));
        std::iota(deck.begin() + 53, deck.end(), CardId(kFirstJokerId));
        if (byRank) {
            std::stable_sort(deck.begin() + 1, deck.end(),
                [](CardId a, CardId b) { return CardDeck::GetCardValue(a) < CardDeck::GetCardValue(b); });
            for (int i = 0; i < 6; ++i)
                std::swap(deck[1 + random_() % kDeckSize], deck[1 + random_() % kDeckSize]);
        } else {
            std::shuffle(deck.begin() + 1, deck.end(), random_);
        }
        Game().SavedDeck = deck;
        Game().SameDeal = true;
        w_->DealBoard();
    }

    bool ShownAsFresh() { return w_->Surface().Pixmap().toImage() == FreshPicture(w_->Surface()); }

private slots:
    void init()
    {
        w_.Open(QStringLiteral("Tester"), true);
        Game().Bankroll = 5000;
        w_->NewGame();
    }

    void cleanup() { w_.Close(); }

    // Pairs picked both ways round, in columns and across them, until none is
    // left; jokers stay, so a game never ends. Some plays are undone.
    void everyPlayLeavesTheBoardAsAFreshPaint()
    {
        GameState& g = Game();
        int plays = 0, undos = 0, closeUps = 0;
        for (int game = 0; plays < 220 || game < 12; ++game) {
            DealRandomBoard(game % 3 == 0);
            QVERIFY(ShownAsFresh());
            for (auto pairs = PairsOnBoard(); !pairs.empty(); pairs = PairsOnBoard()) {
                auto [first, second] = pairs[random_() % pairs.size()];
                if (random_() % 2)
                    std::swap(first, second);
                const int columnsBefore = g.ActiveColumns, cardsBefore = g.CardsOnBoard;
                Click(Qt::LeftButton, first);
                Click(Qt::LeftButton, second);
                Click(Qt::RightButton, first);
                QCOMPARE(int(g.CardsOnBoard), cardsBefore - 2);
                closeUps += g.ActiveColumns < columnsBefore;
                QVERIFY2(ShownAsFresh(), qPrintable(QStringLiteral("play %1").arg(++plays)));
                if (random_() % 5 == 0) {
                    w_->MenuFileUndo->trigger();
                    QCOMPARE(int(g.CardsOnBoard), cardsBefore);
                    QVERIFY2(ShownAsFresh(), qPrintable(QStringLiteral("undo %1").arg(++undos)));
                }
            }
        }
        QVERIFY(undos > 20 && closeUps > 5);
    }
};

QTEST_MAIN(TestBoardPicture)
#include "test_boardpicture.moc"
