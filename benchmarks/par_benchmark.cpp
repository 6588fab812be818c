// The par solver over fixed deal numbers: the score found within 0.1 s, 1 s,
// 10 s and the whole budget per deal, plays examined per second and peak memory.
// Usage: build/benchmarks/par_benchmark [deals=100] [seconds=10] [first deal=1]
// A run of S seconds gives the columns of every shorter budget too: the search
// only ever improves its answer, and a shorter run would stop at that moment.
#include "game/ParSolver.h"
#include "game/PlayOut.h"

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
int32_t ScoreAt(const ParResult& r, double seconds)
{
    int32_t best = -1;
    for (const auto& [at, score] : r.improvements)
        if (at <= seconds)
            best = score;
    return best;
}

long PeakMegabytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}
} // namespace

int main(int argc, char** argv)
{
    const int deals = argc > 1 ? std::atoi(argv[1]) : 100;
    const double seconds = argc > 2 ? std::atof(argv[2]) : 10.0;
    const uint32_t first = argc > 3 ? static_cast<uint32_t>(std::atoll(argv[3])) : 1;
    // A fourth argument caps the plays examined instead, for comparisons that must not depend on the machine's load.
    const uint64_t maxPlays = argc > 4 ? std::strtoull(argv[4], nullptr, 10) : 0;
    std::printf("%10s %8s %8s %8s %8s %9s %6s %12s\n", "deal", "0.1 s", "1 s", "10 s", "budget", "1 s/best", "proven",
        "plays/s");
    double worst = 1.0;
    double sumRatio = 0;
    uint64_t plays = 0;
    double spent = 0;
    for (int i = 0; i < deals; ++i) {
        // Fixed deal numbers spread over the whole range.
        const uint32_t deal = first + static_cast<uint32_t>(i) * 42949672u;
        const ParResult r = SolvePar(DealtPosition(deal), seconds, maxPlays);
        const int32_t at1 = ScoreAt(r, 1.0);
        const double ratio = r.score > 0 ? double(at1) / r.score : 1.0;
        worst = std::min(worst, ratio);
        sumRatio += ratio;
        plays += r.playsExamined;
        spent += r.seconds;
        std::printf("%10u %8d %8d %8d %8d %8.2f%% %6s %12.0f\n", deal, ScoreAt(r, 0.1), at1, ScoreAt(r, 10.0), r.score,
            100.0 * ratio, r.proven ? "yes" : "no", r.playsExamined / r.seconds);
        std::fflush(stdout);
    }
    std::printf("1 s against %.0f s: mean %.2f%%, worst %.2f%%; %.0f plays examined a second; peak memory %ld MB\n",
        seconds, 100.0 * sumRatio / deals, 100.0 * worst, plays / spent, PeakMegabytes());
}
