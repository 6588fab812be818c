// The board's picture over whole games of random plays: wherever no card
// lies the table shows as a fresh paint would, after every play, undo and
// close-up, and Refresh Screen paints the board from scratch.

#include "app/frmMain.h"
#include "cardlib/CardDeck.h"
#include "game/GameState.h"
#include "support/WindowTest.h"
#include "ui/BoardSurface.h"

#include <QAction>

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
        const CardId card = g.CardGrid(c, r);
        return card >= 1 && card <= 52 ? CardDeck::GetCardValue(card) : -1;
    };
    std::vector<std::pair<Cell, Cell>> pairs;
    for (int c = 1; c <= g.ActiveColumns; ++c) {
        for (int r = 1; r <= g.NumRows; ++r) {
            if (rank(c, r) < 0)
                continue;
            if (r < g.NumRows && rank(c, r) == rank(c, r + 1))
                pairs.push_back({ { c, r }, { c, r + 1 } });
            if (c < g.ActiveColumns && rank(c, r) == rank(c + 1, r))
                pairs.push_back({ { c, r }, { c + 1, r } });
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

// Empty when the pictures agree, else where they first differ.
QString FirstDifference(const QImage& shown, const QImage& fresh)
{
    if (shown.size() != fresh.size())
        return QStringLiteral("sizes differ");
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) != fresh.pixel(x, y))
                return QStringLiteral("pixel (%1, %2): %3 shown, %4 painted fresh")
                    .arg(x)
                    .arg(y)
                    .arg(shown.pixelColor(x, y).name(), fresh.pixelColor(x, y).name());
        }
    }
    return {};
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
    void DealRandomBoard(bool byRank = false)
    {
        GameState& g = Game();
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
        g.SavedDeck = deck;
        g.SameDeal = true;
        w_->DealBoard();
    }

    QString BoardDifference() { return FirstDifference(w_->Surface().Pixmap().toImage(), FreshPicture(w_->Surface())); }

private slots:
    void init()
    {
        w_.Open(QStringLiteral("Tester"));
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
        Game().Bankroll = 5000;
        w_->NewGame();
    }

    void cleanup() { w_.Close(); }

    // Pairs picked both ways round, in columns and across them, until none is
    // left; jokers stay, so a game never ends. Some plays are undone.
    void everyPlayLeavesTheBoardAsAFreshPaint()
    {
        GameState& g = Game();
        int plays = 0;
        int undos = 0;
        int closeUps = 0;
        for (int game = 0; plays < 220 || game < 12; ++game) {
            DealRandomBoard(game % 3 == 0);
            QCOMPARE(BoardDifference(), QString());
            for (auto pairs = PairsOnBoard(); !pairs.empty(); pairs = PairsOnBoard()) {
                auto [first, second] = pairs[random_() % pairs.size()];
                if (random_() % 2)
                    std::swap(first, second);
                const int columnsBefore = g.ActiveColumns;
                const int cardsBefore = g.CardsOnBoard;
                Click(Qt::LeftButton, first);
                Click(Qt::LeftButton, second);
                Click(Qt::RightButton, first);
                QCOMPARE(int(g.CardsOnBoard), cardsBefore - 2);
                ++plays;
                closeUps += g.ActiveColumns < columnsBefore;
                const QString difference = BoardDifference();
                QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("play %1: ").arg(plays) + difference));
                if (random_() % 5 == 0) {
                    w_->MenuFileUndo->trigger();
                    QCOMPARE(int(g.CardsOnBoard), cardsBefore);
                    ++undos;
                    QVERIFY2(BoardDifference().isEmpty(), qPrintable(BoardDifference()));
                }
            }
        }
        QVERIFY(undos > 20);
        QVERIFY(closeUps > 5);
    }
};

QTEST_MAIN(TestBoardPicture)
#include "test_boardpicture.moc"
