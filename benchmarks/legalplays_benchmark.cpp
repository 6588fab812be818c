// How long listing every legal play takes on full boards.
// Usage: build/benchmarks/legalplays_benchmark [deals]
#include "game/LegalPlays.h"
#include "game/PlayOut.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv)
{
    const int deals = argc > 1 ? std::atoi(argv[1]) : 200;
    std::vector<Position> boards;
    for (int d = 1; d <= deals; ++d)
        boards.push_back(DealtPosition(static_cast<uint32_t>(d)));
    std::vector<LegalPlay> plays;
    std::vector<double> micros;
    size_t listed = 0;
    for (int round = 0; round < 5; ++round) {
        for (const Position& p : boards) {
            const auto start = std::chrono::steady_clock::now();
            ListLegalPlays(p.g, p.cards, plays);
            micros.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
            listed += plays.size();
        }
    }
    std::sort(micros.begin(), micros.end());
    std::printf("full boards: %d deals x 5 rounds, %.1f plays a board\n", deals, double(listed) / micros.size());
    std::printf("time to list every play (us): median %.1f  90%% %.1f  max %.1f\n", micros[micros.size() / 2],
        micros[micros.size() * 9 / 10], micros.back());
}
