#include "game/LegalPlays.h"

#include "cardlib/CardDeck.h"
#include "game/Judge.h"
#include "game/Selection.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace {
constexpr int kMaxPlay = 5;

// The board's cards as cells 0..n-1 with their neighbour sets, as bit masks.
struct CellMap {
    int size = 0;
    std::array<CardId, 64> card {};
    std::array<int, 64> column {};
    std::array<int, 64> row {};
    std::array<uint64_t, 64> neighbours {};
};

CellMap MapCells(const GameState& g)
{
    CellMap m;
    std::array<std::array<int, kGridSize + 1>, kGridSize + 1> index {};
    for (int c = 1; c <= g.ActiveColumns && c < kGridSize; ++c) {
        for (int r = 1; r <= g.NumRows && r < kGridSize; ++r) {
            index[c][r] = -1;
            const CardId card = g.CardGrid(c, r);
            if (card == 0 || m.size == 64)
                continue;
            index[c][r] = m.size;
            m.card[m.size] = card;
            m.column[m.size] = c;
            m.row[m.size] = r;
            ++m.size;
        }
    }
    for (int i = 0; i < m.size; ++i) {
        const int c = m.column[i];
        const int r = m.row[i];
        const int around[4][2] = { { c - 1, r }, { c + 1, r }, { c, r - 1 }, { c, r + 1 } };
        for (const auto& [nc, nr] : around) {
            if (nc >= 1 && nc <= g.ActiveColumns && nr >= 1 && nr <= g.NumRows && nc < kGridSize && nr < kGridSize
                && g.CardGrid(nc, nr) != 0 && index[nc][nr] >= 0)
                m.neighbours[i] |= uint64_t { 1 } << index[nc][nr];
        }
    }
    return m;
}

// Can these cards (three or more) still be part of some hand? Every hand is
// one suit, or distinct ranks of one straight, or at most two ranks, and
// holds no joker; a set that is none of these never grows into a hand.
bool CouldGrowIntoHand(const CardId* hand, int n)
{
    constexpr unsigned kRoyalRanks = 1u << 1 | 1u << 10 | 1u << 11 | 1u << 12 | 1u << 13;
    unsigned ranks = 0;
    bool distinct = true;
    bool oneSuit = true;
    for (int i = 0; i < n; ++i) {
        if (IsJoker(hand[i]))
            return false;
        const unsigned bit = 1u << CardDeck::GetCardValue(hand[i]);
        distinct = distinct && (ranks & bit) == 0;
        ranks |= bit;
        oneSuit = oneSuit && CardDeck::GetCardSuit(hand[i]) == CardDeck::GetCardSuit(hand[0]);
    }
    if (oneSuit || std::popcount(ranks) <= 2)
        return true;
    if (!distinct)
        return false;
    return (ranks & ~kRoyalRanks) == 0 || std::countl_zero(ranks) + std::countr_zero(ranks) >= 32 - 5;
}

class Lister {
public:
    Lister(const GameState& g, const CardDeck& cards, std::vector<LegalPlay>& out)
        : g_(g)
        , cards_(cards)
        , map_(MapCells(g))
        , out_(out)
    {
    }

    void Run()
    {
        // Each connected set once: grown from its lowest cell through cells above it
        // (the enumeration of connected sets of Wernicke's ESU algorithm).
        for (int v = 0; v < map_.size; ++v) {
            const uint64_t above = v == 63 ? 0 : ~uint64_t { 0 } << (v + 1);
            hand_[0] = map_.card[v];
            Offer(1);
            Grow(1, Bit(v) | map_.neighbours[v], map_.neighbours[v] & above, v);
        }
        BlocksWithOneMore();
        BottomJokersWithAnyCard();
    }

private:
    static uint64_t Bit(int i) { return uint64_t { 1 } << i; }

    void Grow(int n, uint64_t closed, uint64_t extension, int v)
    {
        if (n == kMaxPlay)
            return;
        const uint64_t above = v == 63 ? 0 : ~uint64_t { 0 } << (v + 1);
        while (extension != 0) {
            const int w = std::countr_zero(extension);
            extension &= extension - 1;
            hand_[n] = map_.card[w];
            if (n + 1 >= 3 && !CouldGrowIntoHand(hand_.data(), n + 1))
                continue;
            Offer(n + 1);
            Grow(n + 1, closed | map_.neighbours[w], extension | (map_.neighbours[w] & ~closed & above), v);
        }
    }

    // A 2 x 2 block and a fifth card that touches none of it: the one way five
    // cards pass the adjacency count without being connected.
    void BlocksWithOneMore()
    {
        for (int i = 0; i < map_.size; ++i) {
            const auto at = [&](int dc, int dr) { return Find(map_.column[i] + dc, map_.row[i] + dr); };
            const int block[4] = { i, at(1, 0), at(0, 1), at(1, 1) };
            if (std::any_of(block, block + 4, [](int cell) { return cell < 0; }))
                continue;
            uint64_t closed = 0;
            for (int k = 0; k < 4; ++k) {
                hand_[k] = map_.card[block[k]];
                closed |= Bit(block[k]) | map_.neighbours[block[k]];
            }
            if (!CouldGrowIntoHand(hand_.data(), 4))
                continue;
            for (int x = 0; x < map_.size; ++x) {
                if (closed & Bit(x))
                    continue;
                hand_[4] = map_.card[x];
                if (CouldGrowIntoHand(hand_.data(), 5))
                    Offer(5);
            }
        }
    }

    // A joker of the bottom row takes any card along; its neighbours were met above.
    void BottomJokersWithAnyCard()
    {
        for (int j = 0; j < map_.size; ++j) {
            if (!IsJoker(map_.card[j]) || map_.row[j] != g_.NumRows)
                continue;
            for (int x = 0; x < map_.size; ++x) {
                if (x == j || (map_.neighbours[j] & Bit(x)))
                    continue;
                if (IsJoker(map_.card[x]) && map_.row[x] == g_.NumRows && x < j)
                    continue; // two bottom jokers: listed once, from the first
                hand_[0] = map_.card[j];
                hand_[1] = map_.card[x];
                Offer(2);
            }
        }
    }

    int Find(int column, int row) const
    {
        for (int i = 0; i < map_.size; ++i)
            if (map_.column[i] == column && map_.row[i] == row)
                return i;
        return -1;
    }

    void Offer(int n)
    {
        const HandJudgement j = JudgeHand(hand_.data(), n);
        if (j.verdict != Verdict::Hand && j.verdict != Verdict::JokerRemoval)
            return;
        LegalPlay play;
        std::copy(hand_.begin(), hand_.begin() + n, play.cards.begin());
        if (CheckAdjacent(g_, cards_, play.cards).AdjacentLinks == 0)
            return;
        play.count = n;
        play.handType = j.handType;
        play.points = j.verdict == Verdict::Hand ? g_.HandPoints[j.handType] : 0;
        out_.push_back(play);
    }

    const GameState& g_;
    const CardDeck& cards_;
    const CellMap map_;
    std::vector<LegalPlay>& out_;
    std::array<CardId, kMaxPlay> hand_ {};
};
} // namespace

void ListLegalPlays(const GameState& g, const CardDeck& cards, std::vector<LegalPlay>& out)
{
    out.clear();
    Lister(g, cards, out).Run();
    std::stable_sort(out.begin(), out.end(), [](const LegalPlay& a, const LegalPlay& b) {
        if (a.points != b.points)
            return a.points > b.points;
        return a.handType > b.handType;
    });
}

std::vector<LegalPlay> LegalPlays(const GameState& g, const CardDeck& cards)
{
    std::vector<LegalPlay> out;
    ListLegalPlays(g, cards, out);
    return out;
}
