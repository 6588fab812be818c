// The par solver over fixed deal numbers: the score found within 0.1 s, 1 s
// and 10 s per deal (each budget a run of its own: the solver plans its last
// pass to fill the budget it is given), plays examined per second and peak
// memory; and, on an evenly spread sample of the deals, a long run to tell
// how close 1 s comes to what more time finds.
// Usage: build/benchmarks/par_benchmark [deals=100] [long seconds=60] [long deals=10] [first deal=1] [plays]
// Run it alone on an idle machine: the budgets are wall time. With a count of
// plays as the fifth argument, each deal is searched once with that budget of
// plays instead, for comparisons of the search that do not depend on the load.
#include "game/ParSolver.h"
#include "game/PlayOut.h"

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
long PeakMegabytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

double Share(int32_t part, int32_t whole)
{
    return whole > 0 ? double(part) / whole : 1.0;
}

struct Tally {
    int deals = 0;
    int within2 = 0; // 1 s at 98% or more of the other
    double sum = 0;
    double worst = 1;

    void Add(double ratio)
    {
        ++deals;
        within2 += ratio >= 0.98 ? 1 : 0;
        sum += ratio;
        worst = std::min(worst, ratio);
    }
    void Print(const char* against) const
    {
        if (deals == 0)
            return;
        std::printf("1 s against %s on %d deals: mean %.2f%%, worst %.2f%%, within 2%% on %d (%.0f%%)\n", against,
            deals, 100.0 * sum / deals, 100.0 * worst, within2, 100.0 * within2 / deals);
    }
};
} // namespace

int main(int argc, char** argv)
{
    const int deals = argc > 1 ? std::atoi(argv[1]) : 100;
    const double longSeconds = argc > 2 ? std::atof(argv[2]) : 60.0;
    const int longDeals = argc > 3 ? std::atoi(argv[3]) : 10;
    const uint32_t first = argc > 4 ? static_cast<uint32_t>(std::atoll(argv[4])) : 1;
    if (argc > 5) {
        const uint64_t maxPlays = std::strtoull(argv[5], nullptr, 10);
        double sum = 0;
        uint64_t plays = 0;
        double spent = 0;
        for (int i = 0; i < deals; ++i) {
            const uint32_t deal = first + static_cast<uint32_t>(i) * 42949672u;
            const ParResult r = SolvePar(DealtPosition(deal), kUnboundedSeconds, maxPlays);
            sum += r.score;
            plays += r.playsExamined;
            spent += r.seconds;
            // The line's end: the cards it leaves and the hands it made (type: count).
            Position end = DealtPosition(deal);
            for (const LegalPlay& play : r.line)
                MakePlay(end, play);
            std::printf(
                "%10u %8d  left %2d  widest %5d ", deal, r.score, static_cast<int>(end.g.CardsOnBoard), r.widestBeam);
            for (int t = 1; t <= kNumHandTypes; ++t)
                std::printf(" %d", static_cast<int>(end.g.HandCounts[t]));
            std::printf("\n");
            std::fflush(stdout);
        }
        std::printf("mean score at %llu plays: %.1f\n", static_cast<unsigned long long>(maxPlays), sum / deals);
        // On a loaded machine the wall time, and so this, is only a rough figure.
        std::printf("%llu plays examined in %.1f s: %.0f a second; peak memory %ld MB\n",
            static_cast<unsigned long long>(plays), spent, plays / spent, PeakMegabytes());
        return 0;
    }
    const int longEvery = longDeals > 0 ? std::max(1, deals / longDeals) : 0;
    std::printf("%10s %8s %8s %8s %8s %9s %9s %6s %10s\n", "deal", "0.1 s", "1 s", "10 s", "long", "1s/10s", "1s/long",
        "proven", "plays/s");
    double sums[3] = {};
    Tally against10;
    Tally againstLong;
    uint64_t plays = 0;
    double spent = 0;
    for (int i = 0; i < deals; ++i) {
        // Fixed deal numbers spread over the whole range.
        const uint32_t deal = first + static_cast<uint32_t>(i) * 42949672u;
        const Position start = DealtPosition(deal);
        const ParResult tenth = SolvePar(start, 0.1);
        const ParResult one = SolvePar(start, 1.0);
        const ParResult ten = SolvePar(start, 10.0);
        sums[0] += tenth.score;
        sums[1] += one.score;
        sums[2] += ten.score;
        against10.Add(Share(one.score, ten.score));
        plays += one.playsExamined + ten.playsExamined;
        spent += one.seconds + ten.seconds;
        char longScore[16] = "-";
        char longRatio[16] = "-";
        bool proven = ten.proven;
        if (longEvery > 0 && i % longEvery == 0 && againstLong.deals < longDeals) {
            const ParResult longer = SolvePar(start, longSeconds);
            againstLong.Add(Share(one.score, longer.score));
            std::snprintf(longScore, sizeof longScore, "%d", longer.score);
            std::snprintf(longRatio, sizeof longRatio, "%.2f%%", 100.0 * Share(one.score, longer.score));
            proven = longer.proven;
        }
        std::printf("%10u %8d %8d %8d %8s %8.2f%% %9s %6s %10.0f\n", deal, tenth.score, one.score, ten.score, longScore,
            100.0 * Share(one.score, ten.score), longRatio, proven ? "yes" : "no",
            (one.playsExamined + ten.playsExamined) / (one.seconds + ten.seconds));
        std::fflush(stdout);
    }
    std::printf("mean score: 0.1 s %.0f, 1 s %.0f, 10 s %.0f\n", sums[0] / deals, sums[1] / deals, sums[2] / deals);
    against10.Print("10 s");
    char longLabel[32];
    std::snprintf(longLabel, sizeof longLabel, "%.0f s", longSeconds);
    againstLong.Print(longLabel);
    std::printf("%.0f plays examined a second; peak memory %ld MB\n", plays / spent, PeakMegabytes());
}
