#include "game/BoardHelper.h"
#include "game/DealNumber.h"
#include "game/Judge.h"
#include "game/ParSolver.h"
#include "game/PlayOut.h"
#include "game/PlaySearch.h"
#include "game/Removal.h"
#include "game/Selection.h"
#include "game/Settlement.h"

#include <QTest>

#include <random>

namespace {
// The scoreboard's figures without the timer bonus.
int32_t SettledScore(const GameState& g)
{
    const Settlement s = ComputeSettlement(g);
    return s.GameScore + s.DifferentHandsTotal + s.CardsRemovedTotal + (s.Cleared ? s.Cleared->Bonus : 0);
}

// Plays the line as the game window does after each right click, and checks
// that the game goes on until the line's last play and ends with it.
int32_t Replay(Position p, const std::vector<LegalPlay>& line)
{
    GameState& g = p.g;
    for (const LegalPlay& play : line) {
        if (!PlaysLeft(g, p.cards))
            return -1; // the game was over before this play
        for (int i = 0; i < play.count; ++i)
            PickCard(g, p.cards, play.cards[i]);
        if (CheckAdjacent(g, p.cards).AdjacentLinks == 0 || !JudgeSelection(g).accepted())
            return -2;
        RemoveSelectedCards(g, p.cards);
        CloseUpColumns(g, p.cards);
    }
    if (PlaysLeft(g, p.cards))
        return -3; // the game would go on
    return SettledScore(g);
}

// Every line to the game's end, the best score of them.
int32_t Exhaustive(const Position& p)
{
    if (!GameGoesOn(p))
        return SettledScore(p.g);
    int32_t best = -1;
    for (const LegalPlay& play : LegalPlays(p.g, p.cards)) {
        Position child = p;
        if (MakePlay(child, play))
            best = std::max(best, Exhaustive(child));
    }
    return best;
}

// `columns` columns of `rows` cards, the first cards of a deal.
Position SmallBoard(uint32_t deal, int columns, int rows)
{
    TestBoard b;
    b.g.NumColumns = static_cast<int16_t>(columns);
    b.g.NumRows = static_cast<int16_t>(rows);
    const DeckOrder order = DealOrder(deal);
    for (int c = 1; c <= columns; ++c)
        b.Column(c, std::vector<CardId>(order.begin() + 1 + (c - 1) * rows, order.begin() + 1 + c * rows));
    return { b.g, b.cards };
}

int32_t BestRandomPlayout(const Position& start, int playouts, std::mt19937& random)
{
    int32_t best = -1;
    for (int i = 0; i < playouts; ++i) {
        Position p = start;
        while (GameGoesOn(p)) {
            const auto plays = LegalPlays(p.g, p.cards);
            if (plays.empty() || !MakePlay(p, plays[random() % plays.size()]))
                break;
        }
        best = std::max(best, SettledScore(p.g));
    }
    return best;
}
} // namespace

class TestParSolver : public QObject {
    Q_OBJECT

private slots:
    void linesReplayToTheirScore()
    {
        for (uint32_t deal = 1; deal <= 12; ++deal) {
            const Position start = DealtPosition(deal);
            const uint64_t budget = deal % 3 == 0 ? 20000 : 1;
            const ParResult par = SolvePar(start, kUnboundedSeconds, budget);
            QVERIFY(!par.line.empty());
            QCOMPARE(Replay(start, par.line), par.score);
            // The last pass is planned to fill what is left of the budget, not to overrun it.
            if (budget > 1)
                QVERIFY2(par.playsExamined <= budget + budget / 4, QByteArray::number(qulonglong(par.playsExamined)));
        }
    }

    void smallBoardsAgreeWithEveryLine()
    {
        // 40 boards of 3 x 4 cards, 6 of 4 x 5.
        for (uint32_t n = 1; n <= 46; ++n) {
            const Position small = n <= 40 ? SmallBoard(n, 3, 4) : SmallBoard((n - 40) * 7919, 4, 5);
            const ParResult par = SolvePar(small, kUnboundedSeconds);
            QVERIFY(par.proven);
            QCOMPARE(par.score, Exhaustive(small));
            QCOMPARE(Replay(small, par.line), par.score);
        }
    }

    void neverBelowRandomPlayouts()
    {
        // Positions a few random plays into a deal; the solver's budget is
        // counted in plays so that the machine's load does not matter.
        std::mt19937 random(77);
        for (uint32_t deal = 500; deal < 700; ++deal) {
            Position p = DealtPosition(deal);
            for (int k = 2 + deal % 20; k > 0 && GameGoesOn(p); --k) {
                const auto plays = LegalPlays(p.g, p.cards);
                QVERIFY(MakePlay(p, plays[random() % plays.size()]));
            }
            const ParResult par = SolvePar(p, kUnboundedSeconds, 8000);
            QVERIFY(par.score >= BestRandomPlayout(p, 10, random));
        }
    }

    void finishedGameIsItsOwnPar()
    {
        TestBoard b;
        b.BottomRow(1, "2C 9D KS");
        const Position p { b.g, b.cards };
        const ParResult par = SolvePar(p, kUnboundedSeconds);
        QVERIFY(par.proven && par.line.empty());
        QCOMPARE(par.score, SettledScore(p.g));
    }
};

QTEST_GUILESS_MAIN(TestParSolver)
#include "test_parsolver.moc"
