// The longer check of the par solver: on random mid-game positions its answer
// must never fall below the best of many random playouts (the tests run a
// small version of this).
// Usage: build/benchmarks/playout_check [positions=300] [playouts=10000] [solver seconds=1]
#include "game/LegalPlays.h"
#include "game/ParSolver.h"
#include "game/PlayOut.h"

#include <cstdio>
#include <cstdlib>
#include <random>

int main(int argc, char** argv)
{
    const int positions = argc > 1 ? std::atoi(argv[1]) : 300;
    const int playouts = argc > 2 ? std::atoi(argv[2]) : 10000;
    const double seconds = argc > 3 ? std::atof(argv[3]) : 1.0;
    std::mt19937 random(20261207);
    int below = 0;
    double margin = 0;
    for (int i = 0; i < positions; ++i) {
        const uint32_t deal = 1000 + static_cast<uint32_t>(i) * 7919u;
        Position start = DealtPosition(deal);
        for (int k = 2 + i % 20; k > 0 && GameGoesOn(start); --k) {
            const auto plays = LegalPlays(start.g, start.cards);
            MakePlay(start, plays[random() % plays.size()]);
        }
        int32_t best = -1;
        std::vector<LegalPlay> plays;
        for (int n = 0; n < playouts; ++n) {
            Position p = start;
            while (GameGoesOn(p)) {
                ListLegalPlays(p.g, p.cards, plays);
                if (plays.empty() || !MakePlay(p, plays[random() % plays.size()]))
                    break;
            }
            best = std::max(best, ScoreWithoutTimer(p.g));
        }
        const ParResult par = SolvePar(start, seconds);
        below += par.score < best ? 1 : 0;
        margin += par.score - best;
        std::printf("deal %10u after %2d plays: par %6d  best of %d playouts %6d%s\n", deal, 2 + i % 20, par.score,
            playouts, best, par.score < best ? "  BELOW" : "");
        std::fflush(stdout);
    }
    std::printf("%d of %d positions below the playouts; par above them by %.0f on average\n", below, positions,
        margin / positions);
    return below == 0 ? 0 : 1;
}
