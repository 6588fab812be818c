#include "game/ParEstimates.h"

#include "cardlib/CardDeck.h"
#include "game/Settlement.h"

#include <algorithm>
#include <cmath>

namespace par {

// The most a game can still end with, from the cards alone: the points so far,
// each card on the board at the best points per card of any hand its fellows
// on the board allow, every card removed, the whole cleared-board bonus (given:
// the bonus for no card left), and the bonus for every hand type made or still
// allowed by the cards.
//
// `mostAtOnce` is set to the most one play could pay at once (its points, its
// cards and the bonus for a new hand type), from the hand types the cards allow.
int32_t UpperBound(const GameState& g, int32_t clearedBonus, int32_t& mostAtOnce)
{
    std::array<int, 14> rankCount {};
    std::array<unsigned, 5> held {}; // by suit, a bit per rank 1..14 (14: the Ace above the King)
    std::array<int, 5> suitCount {};
    int cards = 0;
    for (int c = 1; c <= g.ActiveColumns; ++c) {
        for (int r = 1; r <= g.NumRows; ++r) {
            const CardId card = g.CardGrid(c, r);
            if (card == 0)
                continue;
            ++cards;
            if (IsJoker(card))
                continue;
            const int rank = CardDeck::GetCardValue(card);
            const int suit = CardDeck::GetCardSuit(card);
            ++rankCount[rank];
            ++suitCount[suit];
            held[suit] |= 1u << rank | (rank == 1 ? 1u << 14 : 0u);
        }
    }
    const unsigned anySuit = held[1] | held[2] | held[3] | held[4];
    unsigned inStraight = 0; // ranks of a straight the cards allow, in any suit
    std::array<unsigned, 5> inStraightFlush {}; // by suit
    std::array<unsigned, 5> inRoyal {};
    for (int low = 1; low <= 10; ++low) {
        const unsigned run = 0x1Fu << low;
        if ((anySuit & run) == run)
            inStraight |= run;
        for (int s = 1; s <= 4; ++s)
            if ((held[s] & run) == run)
                (low == 10 ? inRoyal : inStraightFlush)[s] |= run;
    }
    const auto has
        = [](unsigned bits, int rank) { return ((bits >> rank) & 1u) != 0 || (rank == 1 && (bits >> 14) != 0); };
    bool straightFlush = false;
    bool royal = false;
    for (int s = 1; s <= 4; ++s) {
        straightFlush = straightFlush || inStraightFlush[s] != 0;
        royal = royal || inRoyal[s] != 0;
    }
    const bool straight = inStraight != 0;
    // Points per card in sixtieths of a dollar, so every hand's share is whole.
    int64_t sixtieths = 0;
    int pairs = 0;
    bool trips = false;
    bool quads = false;
    bool flush = false;
    for (int rank = 1; rank <= 13; ++rank) {
        const int n = rankCount[rank];
        pairs += n >= 2 ? 1 : 0;
        trips = trips || n >= 3;
        quads = quads || n == 4;
        if (n == 0)
            continue;
        const int byRank = n == 4 ? 125 * 60 : n == 3 ? 3500 : n == 2 ? 50 * 60 : 0;
        for (int s = 1; s <= 4; ++s) {
            if (((held[s] >> rank) & 1u) == 0)
                continue;
            int share = byRank;
            if (has(inRoyal[s], rank))
                share = std::max(share, 400 * 60);
            else if (has(inStraightFlush[s], rank))
                share = std::max(share, 200 * 60);
            else if (has(inStraight, rank) || suitCount[s] >= 5)
                share = std::max(share, 40 * 60);
            sixtieths += share;
        }
    }
    for (int s = 1; s <= 4; ++s)
        flush = flush || suitCount[s] >= 5;
    const bool possible[kNumHandTypes + 1]
        = { false, pairs >= 1, pairs >= 2, trips, straight, flush, trips && pairs >= 2, quads, straightFlush, royal };
    int newTypes = 0;
    mostAtOnce = 2 * g.CardRemovedBonus; // a joker removal
    for (int t = 1; t <= kNumHandTypes; ++t) {
        if (!possible[t])
            continue;
        const bool isNew = g.HandCounts[t] == 0;
        newTypes += isNew ? 1 : 0;
        mostAtOnce = std::max<int32_t>(
            mostAtOnce, g.HandPoints[t] + 5 * g.CardRemovedBonus + (isNew ? g.DifferentHandsBonus : 0));
    }
    const int removable = CardsRemoved(g) + cards;
    return g.GameScore + static_cast<int32_t>(sixtieths / 60) + (DifferentHands(g) + newTypes) * g.DifferentHandsBonus
        + removable * g.CardRemovedBonus + clearedBonus;
}

// How much a board still promises beyond its score: touching cards of one
// rank or one suit are the makings of the next hands. The weights were tuned
// on the par benchmark (a few per cent better at equal work than none).
constexpr int kTouchingRank = 30;
constexpr int kTouchingSuit = 15;

namespace {
// A card id's rank and suit as CardDeck gives them, looked up.
struct CardTraits {
    std::array<int16_t, 256> rank {};
    std::array<int8_t, 256> suit {};
};

const CardTraits& Traits()
{
    static const CardTraits traits = [] {
        CardTraits t;
        for (int id = 0; id < 256; ++id) {
            t.rank[id] = static_cast<int16_t>(CardDeck::GetCardValue(id));
            t.suit[id] = static_cast<int8_t>(CardDeck::GetCardSuit(id));
        }
        return t;
    }();
    return traits;
}
} // namespace

int32_t Promise(const Grid& grid, int activeColumns, int numRows)
{
    const CardTraits& traits = Traits();
    int32_t promise = 0;
    for (int c = 1; c <= activeColumns; ++c) {
        for (int r = 1; r <= numRows; ++r) {
            const int at = (c - 1) * kMaxRows + (r - 1);
            const int card = grid[at];
            if (card == 0)
                continue;
            const int next[2] = { c < activeColumns ? grid[at + kMaxRows] : 0, r < numRows ? grid[at + 1] : 0 };
            for (const int other : next) {
                if (other == 0)
                    continue;
                if (traits.rank[other] == traits.rank[card])
                    promise += kTouchingRank;
                else if (traits.suit[other] == traits.suit[card])
                    promise += kTouchingSuit;
            }
        }
    }
    return promise;
}

// How near the cards of the big hands (royal flushes, straight flushes, four
// of a kind) are to touching: a board that has brought them together is worth
// keeping over one that scattered them, though it pays nothing yet. For each
// such hand whose cards are all on the board, a share of its points, less a
// fifth for each card in its way (between two of its cards in a column, in the
// whole columns between two of its columns, or the difference of height
// between neighbouring columns' cards). The misses of a narrow search are
// mostly these hands: on 40 deals of the par benchmark at 150,000 plays, no
// such term finds a mean of 9,498; 30% less a fifth a card (up to 16) finds
// 9,776 (+2.9%); 50% halved a card (up to 8) 9,747; 25%, 100% and 200%
// halved find less than 50%; 30% less a tenth a card finds less than none.
constexpr int kBigHandWeight = 30; // per cent of the hand's points
constexpr double kGapDecay = 0.8; // what a hand keeps for each card in its way
constexpr int kMaxGap = 16; // cards in the way beyond which a hand counts nothing

// A card's place for the gap below: its column times 8 plus its height from
// the bottom row (1 up); 0 when it is not on the board. `cardsBefore[c]` is
// the count of cards in the columns left of column c.
namespace {
int Gap(
    const std::array<uint8_t, 53>& place, const std::array<int, kMaxColumns + 2>& cardsBefore, const int* ids, int n)
{
    std::array<int, 5> s {};
    for (int i = 0; i < n; ++i) {
        const int key = place[ids[i]];
        if (key == 0)
            return -1;
        int k = i;
        for (; k > 0 && s[k - 1] > key; --k)
            s[k] = s[k - 1];
        s[k] = key;
    }
    int gap = 0;
    int prevLow = -1; // the previous column's lowest and highest of the hand's cards
    int prevHigh = -1;
    int prevColumn = 0;
    for (int i = 0; i < n;) {
        const int column = s[i] >> 3;
        int j = i;
        while (j + 1 < n && s[j + 1] >> 3 == column)
            ++j;
        const int low = s[i] & 7;
        const int high = s[j] & 7;
        gap += (high - low + 1) - (j - i + 1);
        if (prevColumn != 0) {
            gap += cardsBefore[column] - cardsBefore[prevColumn + 1];
            // The nearest heights of the two columns' cards.
            gap += high < prevLow ? prevLow - high : low > prevHigh ? low - prevHigh : 0;
        }
        prevLow = low;
        prevHigh = high;
        prevColumn = column;
        i = j + 1;
    }
    return gap;
}
} // namespace

int32_t BigHandsPromise(
    const Grid& grid, int activeColumns, int numRows, const std::array<int16_t, kNumHandTypes + 1>& points)
{
    std::array<uint8_t, 53> place {};
    std::array<int, kMaxColumns + 2> cardsBefore {};
    for (int c = 1; c <= activeColumns; ++c) {
        int inColumn = 0;
        for (int r = 1; r <= numRows; ++r) {
            const int card = grid[(c - 1) * kMaxRows + (r - 1)];
            if (card == 0)
                continue;
            ++inColumn;
            if (card <= 52)
                place[card] = static_cast<uint8_t>(c * 8 + numRows - r + 1);
        }
        cardsBefore[c + 1] = cardsBefore[c] + inColumn;
    }
    // What a hand keeps of its share, in thousandths, by the cards in its way.
    static const std::array<int, kMaxGap + 1> kept = [] {
        std::array<int, kMaxGap + 1> k {};
        for (int gap = 0; gap <= kMaxGap; ++gap)
            k[gap] = static_cast<int>(1000 * std::pow(kGapDecay, gap));
        return k;
    }();
    int32_t promise = 0;
    const auto add = [&](const int* ids, int count, int handType) {
        const int gap = Gap(place, cardsBefore, ids, count);
        if (gap >= 0 && gap <= kMaxGap)
            promise += points[handType] * kBigHandWeight / 100 * kept[gap] / 1000;
    };
    for (int suit = 0; suit < 4; ++suit) {
        const int base = suit * 13;
        const int royal[5] = { base + 1, base + 10, base + 11, base + 12, base + 13 };
        add(royal, 5, 9);
        for (int low = 1; low <= 9; ++low) {
            const int run[5] = { base + low, base + low + 1, base + low + 2, base + low + 3, base + low + 4 };
            add(run, 5, 8);
        }
    }
    for (int rank = 1; rank <= 13; ++rank) {
        const int four[4] = { rank, rank + 13, rank + 26, rank + 39 };
        add(four, 4, 7);
    }
    return promise;
}
} // namespace par
