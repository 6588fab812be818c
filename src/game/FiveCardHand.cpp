#include "game/FiveCardHand.h"

#include "cardlib/CardDeck.h"

#include <bit>
#include <cstdint>

namespace {
constexpr unsigned kRoyalRanks = 1u << 1 | 1u << 10 | 1u << 11 | 1u << 12 | 1u << 13;
} // namespace

int FiveCardHandType(const CardId hand[5])
{
    unsigned ranks = 0; // a bit per rank held
    unsigned suits = 0; // a bit per suit held
    uint64_t counts = 0; // four bits per rank: how many cards of it
    for (int i = 0; i < 5; ++i) {
        const int card = hand[i];
        if (card < 1 || card > 52)
            return 0;
        const int rank = CardDeck::GetCardValue(card);
        ranks |= 1u << rank;
        suits |= 1u << CardDeck::GetCardSuit(card);
        counts += uint64_t { 1 } << (4 * rank);
    }
    const bool flush = (suits & (suits - 1)) == 0;
    if (std::popcount(ranks) == 5) {
        const bool aceHigh = ranks == kRoyalRanks;
        const bool straight = aceHigh || ranks >> std::countr_zero(ranks) == 0x1Fu;
        if (straight)
            return !flush ? Straight : aceHigh ? RoyalFlush : StraightFlush;
        return flush ? Flush : 0;
    }
    if (flush)
        return Flush; // the same card twice: no deal holds it, but the suits agree
    // Two ranks, neither held four times: three and two.
    const bool four = (counts & 0x4444444444444444ull) != 0; // a count of 4 or more sets its third bit
    return std::popcount(ranks) == 2 && !four ? FullHouse : 0;
}
