#include "game/LegalPlays.h"

#include "cardlib/CardDeck.h"
#include "game/Judge.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace {
constexpr int kMaxPlay = 5;

// What a set of cards holds, as far as the hands it could grow into go: kept
// card by card while a set grows, so each larger set costs one step.
struct Shape {
    unsigned ranks = 0; // a bit per rank held
    bool distinct = true; // no rank twice
    bool oneSuit = true;
    bool joker = false;
    int suit = 0;
};

inline Shape ShapeOf(CardId card)
{
    Shape s;
    if (IsJoker(card)) {
        s.joker = true;
        return s;
    }
    s.ranks = 1u << CardDeck::GetCardValue(card);
    s.suit = CardDeck::GetCardSuit(card);
    return s;
}

// The set's shape with one more card, given by its own shape.
inline Shape With(Shape s, const Shape& card)
{
    if (card.joker) {
        s.joker = true;
        return s;
    }
    s.distinct = s.distinct && (s.ranks & card.ranks) == 0;
    s.ranks |= card.ranks;
    s.oneSuit = s.oneSuit && card.suit == s.suit;
    return s;
}

// The board's cards as cells 0..n-1 with their neighbour sets, as bit masks.
struct CellMap {
    int size = 0;
    std::array<CardId, 64> card {};
    std::array<int, 64> column {};
    std::array<int, 64> row {};
    std::array<uint64_t, 64> neighbours {};
    std::array<std::array<int, kGridSize + 1>, kGridSize + 1> index {}; // -1: no card there
    std::array<Shape, 64> shape {}; // of the cell's card alone
};

CellMap MapCells(const GameState& g)
{
    CellMap m;
    auto& index = m.index;
    for (auto& column : index)
        column.fill(-1);
    for (int c = 1; c <= g.ActiveColumns && c < kGridSize; ++c) {
        for (int r = 1; r <= g.NumRows && r < kGridSize; ++r) {
            const CardId card = g.CardGrid(c, r);
            if (card == 0 || m.size == 64)
                continue;
            index[c][r] = m.size;
            m.card[m.size] = card;
            m.column[m.size] = c;
            m.row[m.size] = r;
            m.shape[m.size] = ShapeOf(card);
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

constexpr PlayKinds Kind(int handType)
{
    return 1u << handType;
}

// Can these n cards still be part of a play of the given kinds? A joker goes
// only alone or with one card; the other hands are one suit (a flush, a
// straight flush of ranks no more than five apart, a royal flush of the royal
// ranks), distinct ranks of one straight, or at most two ranks (a pair, three
// and four of a kind of one rank, two pairs of four cards, a full house).
// Adding a card never makes a set that cannot grow into a play able to (a card
// alone can still go with a joker, or grow as two cards would).
inline bool CouldGrowInto(const Shape& s, int n, PlayKinds kinds)
{
    constexpr unsigned kRoyalRanks = 1u << 1 | 1u << 10 | 1u << 11 | 1u << 12 | 1u << 13;
    if (s.joker)
        return n <= 2 && (kinds & Kind(0)) != 0;
    if (n == 1) {
        if ((kinds & Kind(0)) != 0)
            return true;
        n = 2;
    }
    const unsigned butLowest = s.ranks & (s.ranks - 1);
    if ((butLowest & (butLowest - 1)) == 0) { // at most two ranks
        if ((kinds & Kind(6)) != 0 || (n <= 4 && (kinds & Kind(2)) != 0))
            return true;
        if (butLowest == 0
            && ((n <= 2 && (kinds & Kind(1)) != 0) || (n <= 3 && (kinds & Kind(3)) != 0)
                || (n <= 4 && (kinds & Kind(7)) != 0)))
            return true;
    }
    if (s.oneSuit && (kinds & Kind(5)) != 0)
        return true;
    if (!s.distinct)
        return false;
    const bool royal = (s.ranks & ~kRoyalRanks) == 0;
    const bool withinFive = std::countl_zero(s.ranks) + std::countr_zero(s.ranks) >= 32 - 5;
    return ((royal || withinFive) && (kinds & Kind(4)) != 0) || (s.oneSuit && withinFive && (kinds & Kind(8)) != 0)
        || (s.oneSuit && royal && (kinds & Kind(9)) != 0);
}

// Could these n cards be a play as they are? One card only as a lone joker,
// two as a pair or with a joker, three as one rank, four as at most two
// ranks, five as a set that could grow into a hand. The judgement decides;
// this only spares it the sets it would refuse anyway.
inline bool CouldBePlay(const Shape& s, int n)
{
    const unsigned butLowest = s.ranks & (s.ranks - 1);
    switch (n) {
    case 1:
        return s.joker;
    case 2:
        return s.joker || butLowest == 0;
    case 3:
        return !s.joker && butLowest == 0;
    case 4:
        return !s.joker && (butLowest & (butLowest - 1)) == 0;
    default:
        return CouldGrowInto(s, n, kAllPlayKinds);
    }
}

class Lister {
public:
    Lister(const GameState& g, std::vector<LegalPlay>& out, PlayKinds kinds)
        : g_(g)
        , map_(MapCells(g))
        , out_(out)
        , kinds_(kinds)
    {
    }

    void Run()
    {
        // Each connected set once: grown from its lowest cell through cells above it
        // (the enumeration of connected sets of Wernicke's ESU algorithm).
        for (int v = 0; v < map_.size; ++v) {
            const uint64_t above = v == 63 ? 0 : ~uint64_t { 0 } << (v + 1);
            hand_[0] = map_.card[v];
            shapes_[1] = map_.shape[v];
            if (!CouldGrowInto(shapes_[1], 1, kinds_))
                continue;
            if (CouldBePlay(shapes_[1], 1))
                Offer(1);
            Grow(1, Bit(v) | map_.neighbours[v], map_.neighbours[v] & above, v);
        }
        BlocksWithOneMore();
        if ((kinds_ & Kind(0)) != 0)
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
            shapes_[n + 1] = With(shapes_[n], map_.shape[w]);
            if (!CouldGrowInto(shapes_[n + 1], n + 1, kinds_))
                continue;
            if (CouldBePlay(shapes_[n + 1], n + 1))
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
            Shape shape = map_.shape[i];
            for (int k = 0; k < 4; ++k) {
                hand_[k] = map_.card[block[k]];
                closed |= Bit(block[k]) | map_.neighbours[block[k]];
                shape = k == 0 ? shape : With(shape, map_.shape[block[k]]);
            }
            if (!CouldGrowInto(shape, 4, kinds_))
                continue;
            for (int x = 0; x < map_.size; ++x) {
                if (closed & Bit(x))
                    continue;
                hand_[4] = map_.card[x];
                if (CouldGrowInto(With(shape, map_.shape[x]), 5, kinds_))
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
        if (column < 1 || column > kGridSize || row < 1 || row > kGridSize)
            return -1;
        return map_.index[column][row];
    }

    // Every set proposed passes the adjacency rule as it is: a connected set's
    // n cards have at least n - 1 links, a 2 x 2 block has four with any fifth
    // card, and a joker of the bottom row takes any card (the tests hold the
    // listing to agree with CheckAdjacent on every set of the board).
    void Offer(int n)
    {
        const HandJudgement j = JudgeHand(hand_.data(), n);
        if (j.verdict != Verdict::Hand && j.verdict != Verdict::JokerRemoval)
            return;
        if ((kinds_ & Kind(j.verdict == Verdict::Hand ? j.handType : 0)) == 0)
            return;
        LegalPlay play;
        std::copy(hand_.begin(), hand_.begin() + n, play.cards.begin());
        play.count = n;
        play.handType = j.handType;
        play.points = j.verdict == Verdict::Hand ? g_.HandPoints[j.handType] : 0;
        out_.push_back(play);
    }

    const GameState& g_;
    const CellMap map_;
    std::vector<LegalPlay>& out_;
    const PlayKinds kinds_;
    std::array<CardId, kMaxPlay> hand_ {};
    std::array<Shape, kMaxPlay + 1> shapes_ {}; // shapes_[n]: of the first n cards of hand_
};
} // namespace

// The board's grid says all the rules need: the cards' own positions are not read.
void ListLegalPlays(const GameState& g, const CardDeck&, std::vector<LegalPlay>& out, bool ordered, PlayKinds kinds)
{
    out.clear();
    Lister(g, out, kinds).Run();
    if (!ordered)
        return;
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
