#include "game/ParSolver.h"

#include "cardlib/CardDeck.h"
#include "game/CardState.h"
#include "game/ParEstimates.h"
#include "game/Settlement.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <unordered_map>

namespace {
using Clock = std::chrono::steady_clock;

using par::kCells;
using par::kMaxColumns;
using par::kMaxRows;

// A position in the search, packed: the grid and the counters the score needs.
struct Node {
    par::Grid grid {};
    std::array<uint8_t, kNumHandTypes + 1> handCounts {};
    int32_t gameScore = 0;
    int32_t priority = 0; // the score if the game ended here, and the board's promise
    int32_t bound = 0; // the most the game can still end with (UpperBound)
    int32_t mostAtOnce = 0; // the most one play can pay on this board (UpperBound)
    int32_t step = -1; // the play that led here, in the pass's step list (once kept)
    int32_t parentStep = -1;
    LegalPlay play; // the play that led here
    uint8_t activeColumns = 0;
    uint8_t cards = 0; // on the board
};

struct Step {
    int32_t parent = -1;
    LegalPlay play;
};

uint64_t Mix(uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

uint64_t KeyOf(const Node& n)
{
    uint64_t key = 0;
    for (int i = 0; i < kCells; ++i)
        if (n.grid[i] != 0)
            key += Mix(uint64_t(i) * 131 + n.grid[i]);
    for (int t = 1; t <= kNumHandTypes; ++t)
        if (n.handCounts[t] != 0)
            key += Mix(0x10000 + t);
    return key;
}

// The cards of each hand type (a pair, two pairs, three of a kind, a
// straight, a flush, a full house, four of a kind, a straight flush, a royal
// flush): what its play pays for the cards it removes.
constexpr std::array<int, kNumHandTypes + 1> kCardsOfHand = { 0, 2, 4, 3, 5, 5, 5, 4, 5, 5 };

// How many plays per kept position are made on the board: the par benchmark
// finds more at 150,000 plays with 2 than with 1 or 4, and more with any of
// them than when every listed play is made.
constexpr int kShortlist = 2;
// How much of the room between a position's score and its upper bound counts
// towards its rank, in per cent: a position that still allows the big hands
// is kept over one that has spent them for less. On 20 deals of the par
// benchmark, 15 finds 0.7% more than 0 at 150,000 plays and 1.7% more at
// 300,000; 30 finds 2% less.
constexpr int kRoomWeight = 15;
// The share of a pass's places, in per cent, kept for the positions of the
// highest bound rather than the highest rank. On 20 deals of the par
// benchmark (mean score at 150,000 and at 600,000 plays): 0 (with plays
// listed in order) finds 9,684 and 10,104; 25 finds 9,684 and 10,136; 40
// finds 9,738 and 10,165; 50 finds 9,656 and 10,171; 65 finds 9,621 and
// 10,115.
constexpr size_t kBoundShare = 40;
// How much wider each pass is than the one before: the passes before the last
// are spent only on a first answer and on a best score to cut by, so the less
// of the budget they take, the wider the last pass. On 40 deals of the par
// benchmark at 150,000 plays: 2 finds a mean of 9,769, 3 finds 9,656 on the
// second 20 of them (2: 9,484), 4 finds 10,024, 8 finds 10,109 on the first
// 20 (4: 10,308), 6 finds 9,720 on the second 20 (4: 9,741).
constexpr int kGrowth = 4;
// How much of the budget left the last pass is planned to fill.
constexpr double kFitMargin = 0.85;
// The widest pass: its positions and line steps stay well under 200 MB.
constexpr int kMaxWidth = 32768;

class Search {
public:
    Search(const Position& start, double seconds, uint64_t maxPlays)
        : start_(start)
        , began_(Clock::now())
        , seconds_(seconds)
        , maxPlays_(maxPlays)
    {
        base_ = start;
        // The names and the top ten play no part in a play, and a board is set out for every play.
        for (QString* text : { &base_.g.ProgramName, &base_.g.ProgramVersion, &base_.g.AppFolder, &base_.g.DataFolder,
                 &base_.g.PlayersFilePath, &base_.g.PlayerName })
            *text = QString();
        base_.g.TopTen = {};
        base_.g.SelectedCards.fill(0);
        base_.g.SelectedCount = 0;
        for (int id = 1; id <= CardDeck::kMaxId; ++id)
            SetPicked(base_.cards, id, false);
        for (int c = 1; c <= kGridSize - 1; ++c)
            for (int r = 1; r <= kGridSize - 1; ++r)
                if (const CardId card = base_.g.CardGrid(c, r))
                    base_.cards.SetCardX(card, -100);
        for (int left = 0; left < static_cast<int>(clearedBonus_.size()); ++left) {
            const auto cleared = ClearedBonusFor(left);
            clearedBonus_[left] = cleared ? cleared->Bonus : 0;
        }
    }

    ParResult Run()
    {
        const Node root = Pack(start_, -1, {});
        result_.score = ScoreWithoutTimer(start_.g);
        if (!GameGoesOn(start_))
            result_.proven = true;
        for (int width = 1; !result_.proven;) {
            const double passBegan = Elapsed();
            const uint64_t playsBefore = result_.playsExamined;
            const bool complete = Pass(root, width);
            if (stopped_)
                break;
            ++result_.passes;
            result_.widestBeam = width;
            if (complete)
                result_.proven = true;
            if (OutOfTime() || width == kMaxWidth)
                break;
            width = NextWidth(width, Elapsed() - passBegan, result_.playsExamined - playsBefore);
        }
        result_.seconds = std::chrono::duration<double>(Clock::now() - began_).count();
        return result_;
    }

private:
    double Elapsed() const { return std::chrono::duration<double>(Clock::now() - began_).count(); }

    // kGrowth times as wide as the last pass, or as wide as the budget left
    // allows when that is less: a pass costs about as much as it is wide, and
    // a pass the budget cuts short is mostly lost. The budget a pass kGrowth
    // times as wide leaves is often too small for a wider one and goes unspent
    // (150,000 and 190,000 plays find the very same lines). Making the next
    // pass the last, as wide as the budget allows, whenever the budget left
    // holds fewer than kGrowth x kGrowth passes like the last, spends it all,
    // yet gains nothing steady on 40 deals of the par benchmark: a mean of
    // 9,271 at 30,000 plays (this: 9,145), 9,873 at 150,000 (9,893), 9,936 at
    // 190,000 (9,893) and 10,074 at 300,000 (10,110); a wider beam alone
    // finds another line, not always a better one.
    int NextWidth(int width, double passSeconds, uint64_t passPlays) const
    {
        double share = kGrowth;
        if (passSeconds > 0 && std::isfinite(seconds_))
            share = std::min(share, (seconds_ - Elapsed()) / passSeconds);
        if (maxPlays_ != 0 && passPlays > 0)
            share = std::min(share, double(maxPlays_ - std::min(maxPlays_, result_.playsExamined)) / double(passPlays));
        const double fitted = std::floor(width * share * kFitMargin);
        const int next = share < kGrowth && fitted > width ? static_cast<int>(fitted) : kGrowth * width;
        return std::min(next, kMaxWidth);
    }

    bool OutOfTime() const
    {
        if (maxPlays_ != 0 && result_.playsExamined >= maxPlays_)
            return true;
        return std::chrono::duration<double>(Clock::now() - began_).count() >= seconds_;
    }

    // The kinds of play of this position that would pay more at once than
    // `worst`, the worst play on a full shortlist: only they are listed, and
    // the others could not have made it, so the same plays are made. On 2
    // deals at 20,000 plays (callgrind) the search runs 17% fewer instructions.
    PlayKinds KindsThatCouldMakeIt(const Node& node, int32_t worst) const
    {
        const GameState& g = base_.g;
        PlayKinds kinds = node.priority + 2 * g.CardRemovedBonus > worst ? 1u : 0u; // a joker and a card
        for (int t = 1; t <= kNumHandTypes; ++t) {
            const int32_t paid = node.priority + g.HandPoints[t] + kCardsOfHand[t] * g.CardRemovedBonus
                + (node.handCounts[t] == 0 ? g.DifferentHandsBonus : 0);
            if (paid > worst)
                kinds |= 1u << t;
        }
        return kinds;
    }

    // The score if the game ended here, from the settlement's own amounts.
    int32_t ScoreIfEnded(const GameState& g) const
    {
        const int left = g.CardsOnBoard;
        return g.GameScore + DifferentHandsAmount(g, DifferentHands(g)) + CardsRemovedAmount(g, CardsRemoved(g))
            + (left >= 0 && left < static_cast<int>(clearedBonus_.size()) ? clearedBonus_[left] : 0);
    }

    Node Pack(const Position& p, int32_t parentStep, const LegalPlay& play) const
    {
        Node n;
        n.parentStep = parentStep;
        n.play = play;
        int cards = 0;
        for (int c = 1; c <= p.g.ActiveColumns; ++c) {
            for (int r = 1; r <= p.g.NumRows; ++r) {
                const CardId card = p.g.CardGrid(c, r);
                n.grid[(c - 1) * kMaxRows + (r - 1)] = static_cast<uint8_t>(card);
                cards += card != 0 ? 1 : 0;
            }
        }
        for (int t = 1; t <= kNumHandTypes; ++t)
            n.handCounts[t] = static_cast<uint8_t>(std::min<int>(p.g.HandCounts[t], 255));
        n.gameScore = p.g.GameScore;
        n.activeColumns = static_cast<uint8_t>(p.g.ActiveColumns);
        n.cards = static_cast<uint8_t>(cards);
        const int32_t ended = ScoreIfEnded(p.g);
        n.bound = par::UpperBound(p.g, clearedBonus_[0], n.mostAtOnce);
        n.priority = ended + par::Promise(n.grid, n.activeColumns, p.g.NumRows)
            + par::BigHandsPromise(n.grid, n.activeColumns, p.g.NumRows, p.g.HandPoints)
            + kRoomWeight * (n.bound - ended) / 100;
        return n;
    }

    // The packed position back on a board the rule functions can play on.
    void Unpack(const Node& n, Position& p) const
    {
        p = base_;
        GameState& g = p.g;
        g.ActiveColumns = n.activeColumns;
        g.CardsOnBoard = 0;
        g.ColumnCardCount.fill(0);
        for (int c = 1; c <= kMaxColumns; ++c) {
            for (int r = 1; r <= kMaxRows; ++r) {
                const CardId card = c <= n.activeColumns ? n.grid[(c - 1) * kMaxRows + (r - 1)] : 0;
                g.CardGrid(c, r) = card;
                if (card == 0)
                    continue;
                ++g.CardsOnBoard;
                ++g.ColumnCardCount[c];
                p.cards.SetCardX(card, g.BoardLeft + c * g.CardWidth);
                p.cards.SetCardY(card, g.BoardTop + r * g.RowStep);
                SetCell(p.cards, card, c, r);
            }
        }
        g.CardsOnBoard += start_.g.CardsOnBoard - CountCards(start_.g); // cards never on this board
        g.GameScore = n.gameScore;
        for (int t = 1; t <= kNumHandTypes; ++t)
            g.HandCounts[t] = n.handCounts[t];
    }

    static int CountCards(const GameState& g)
    {
        int count = 0;
        for (int c = 1; c <= g.ActiveColumns; ++c)
            for (int r = 1; r <= g.NumRows; ++r)
                count += g.CardGrid(c, r) != 0 ? 1 : 0;
        return count;
    }

    void Finish(const Position& p, int32_t parentStep, const LegalPlay& last)
    {
        const int32_t score = ScoreWithoutTimer(p.g);
        if (!result_.line.empty() && score <= result_.score)
            return;
        result_.score = score;
        result_.improvements.emplace_back(std::chrono::duration<double>(Clock::now() - began_).count(), score);
        result_.line.clear();
        result_.line.push_back(last);
        for (int32_t s = parentStep; s >= 0; s = steps_[s].parent)
            result_.line.push_back(steps_[s].play);
        std::reverse(result_.line.begin(), result_.line.end());
    }

    // The positions of one count of cards left: the same board reached twice
    // keeps its better score, and only the `width` most promising stay.
    // False when a position had to be left out.
    static bool Settle(std::vector<Node>& bucket, size_t width, std::unordered_map<uint64_t, int32_t>& seen)
    {
        seen.clear();
        size_t kept = 0;
        for (size_t i = 0; i < bucket.size(); ++i) {
            const auto [at, fresh] = seen.try_emplace(KeyOf(bucket[i]), static_cast<int32_t>(kept));
            if (fresh)
                bucket[kept++] = bucket[i];
            else if (bucket[at->second].gameScore < bucket[i].gameScore)
                bucket[at->second] = bucket[i];
        }
        bucket.resize(kept);
        if (bucket.size() <= width)
            return true;
        // Most places go to the most promising positions; the rest to those of
        // the most the game could still end with, which keep the big hands the
        // promise alone would throw away early.
        const size_t byBound = width * kBoundShare / 100;
        const auto mid = bucket.begin() + static_cast<std::ptrdiff_t>(width - byBound);
        std::nth_element(
            bucket.begin(), mid, bucket.end(), [](const Node& a, const Node& b) { return a.priority > b.priority; });
        if (byBound > 0)
            std::nth_element(mid, mid + static_cast<std::ptrdiff_t>(byBound), bucket.end(),
                [](const Node& a, const Node& b) { return a.bound > b.bound; });
        bucket.resize(width);
        return false;
    }

    // One beam pass; true when no position had to be left out. Positions are
    // compared with others that have as many cards left, so a line of small
    // hands is not judged against one of big hands at the same play count:
    // the pass works through the counts of cards left, from most to fewest.
    // Each count's plays are first ranked by what they pay at once; only the
    // best kShortlist x width of them are made on the board, and the
    // positions they leave join the count of cards they leave.
    bool Pass(const Node& root, int width)
    {
        struct Candidate {
            int32_t parent; // in the bucket
            int32_t estimate;
            LegalPlay play;
        };
        steps_.clear();
        std::array<std::vector<Node>, kCells + 1> buckets;
        buckets[root.cards].push_back(root);
        std::vector<Candidate> candidates;
        std::unordered_map<uint64_t, int32_t> seen;
        std::vector<LegalPlay> plays;
        Position p;
        Position child;
        bool complete = true;
        int expanded = 0;
        const size_t shortlist = static_cast<size_t>(width) * kShortlist;
        const auto worseFirst = [](const Candidate& a, const Candidate& b) { return a.estimate > b.estimate; };
        for (int left = root.cards; left > 0; --left) {
            std::vector<Node>& layer = buckets[left];
            if (layer.empty())
                continue;
            complete = Settle(layer, static_cast<size_t>(width), seen) && complete;
            for (Node& n : layer) {
                if (n.play.count == 0)
                    continue; // the start: no play led to it
                steps_.push_back({ n.parentStep, n.play });
                n.step = static_cast<int32_t>(steps_.size() - 1);
            }
            // The most promising first, so that the shortlist soon holds plays
            // that the plays of the boards after them cannot beat.
            std::sort(layer.begin(), layer.end(), [](const Node& a, const Node& b) { return a.priority > b.priority; });
            candidates.clear();
            for (int32_t i = 0; i < static_cast<int32_t>(layer.size()); ++i) {
                // The greedy first pass always finishes, so there is always a line.
                if (width > 1 && (++expanded & 15) == 0 && OutOfTime()) {
                    stopped_ = true;
                    return false;
                }
                const Node& node = layer[i];
                if (!result_.line.empty() && node.bound <= result_.score)
                    continue;
                if (candidates.size() == shortlist && node.priority + node.mostAtOnce <= candidates.front().estimate) {
                    complete = false; // none of its plays would make the shortlist
                    continue;
                }
                PlayKinds kinds = kAllPlayKinds;
                if (candidates.size() == shortlist) {
                    complete = false; // some of its plays may not make the shortlist
                    kinds = KindsThatCouldMakeIt(node, candidates.front().estimate);
                }
                Unpack(node, p);
                ListLegalPlays(p.g, p.cards, plays, false, kinds);
                for (const LegalPlay& play : plays) {
                    const bool newType = play.handType > 0 && node.handCounts[play.handType] == 0;
                    const int32_t estimate = node.priority + play.points + play.count * p.g.CardRemovedBonus
                        + (newType ? p.g.DifferentHandsBonus : 0);
                    // The shortlist is a heap of the best so far, its worst on top, so
                    // the memory stays that of the shortlist however wide the layer.
                    if (candidates.size() == shortlist) {
                        complete = false;
                        if (estimate <= candidates.front().estimate)
                            continue;
                        std::pop_heap(candidates.begin(), candidates.end(), worseFirst);
                        candidates.pop_back();
                    }
                    candidates.push_back({ i, estimate, play });
                    std::push_heap(candidates.begin(), candidates.end(), worseFirst);
                }
            }
            // Each parent is set out on the board once.
            std::sort(candidates.begin(), candidates.end(),
                [](const Candidate& a, const Candidate& b) { return a.parent < b.parent; });
            int32_t onBoard = -1;
            for (const Candidate& c : candidates) {
                const Node& node = layer[c.parent];
                if (c.parent != onBoard) {
                    Unpack(node, p);
                    onBoard = c.parent;
                }
                child = p;
                ++result_.playsExamined;
                if (!MakePlay(child, c.play))
                    continue;
                if (!GameGoesOn(child)) {
                    Finish(child, node.step, c.play);
                    continue;
                }
                Node packed = Pack(child, node.step, c.play);
                std::vector<Node>& target = buckets[packed.cards];
                target.push_back(packed);
                // A count that collects far more than it keeps is settled early, so the memory stays bounded.
                if (target.size() >= 4 * static_cast<size_t>(width) + 64)
                    complete = Settle(target, static_cast<size_t>(width), seen) && complete;
            }
            std::vector<Node>().swap(layer);
        }
        return complete;
    }

    const Position& start_;
    Position base_;
    Clock::time_point began_;
    double seconds_;
    uint64_t maxPlays_;
    bool stopped_ = false;
    std::array<int32_t, 11> clearedBonus_ {};
    std::vector<Step> steps_;
    ParResult result_;
};
} // namespace

ParResult SolvePar(const Position& start, double seconds, uint64_t maxPlays)
{
    if (start.g.ActiveColumns > kMaxColumns || start.g.NumRows > kMaxRows) {
        ParResult none; // a board the packed positions cannot hold
        none.score = ScoreWithoutTimer(start.g);
        return none;
    }
    return Search(start, seconds, maxPlays).Run();
}
