#pragma once

// Par: the best score the rules let a player reach on a position, and the
// line of plays that reaches it. The score is the scoreboard's final score
// without the timer bonus (hand points, the different-hands bonus, the
// cards-removed bonus and the cleared-board bonus), reached when the
// after-play search finds nothing more, as it is in the game.
//
// The search, and why:
// - Every play only adds to the score, and a game cannot stop while the
//   after-play search finds a play, so every line runs to the game's end and
//   the best line is the best finished game.
// - Beam search in passes of growing width (1, 4, 16, ...): each pass keeps
//   the most promising positions (by the score if the game ended there, the
//   promise of touching cards, how near the cards of the big hands still on
//   the board are to touching, and part of the room left under the bound on
//   what the rest can pay), so the first pass is the greedy game and
//   finishes at once, and every later pass looks wider. It answers at any
//   moment with the best game finished so far, which suits a time budget
//   better than a depth-first search that may spend the budget under one
//   early choice. Each pass is four times as wide as the one before, so the
//   passes before the last take little of the budget, and the last pass is
//   made as wide as the budget left allows, since a pass cut short by the
//   budget is mostly lost.
// - A pass keeps `width` positions per count of cards left, not per count of
//   plays made: positions compete with others that have as many cards left
//   to pay, so a line of small hands is not ranked below one of big hands
//   only because it has removed fewer cards so far.
// - Two fifths of each count's places go to the positions that could still end
//   highest (the bound below), not the most promising: they hold the big
//   hands a narrow beam would otherwise throw away before it reaches them.
// - Making a play on the board (and the after-play search) costs more than
//   listing it, so the listed plays of one count of cards left are first
//   ranked by what they pay at once (points, cards, a new hand type) on top
//   of their position's rank, and only twice as many plays as positions kept
//   are made, the best wherever they come from (a limit per position loses
//   much), and ranked by the position they leave. Positions are listed most
//   promising first, and one none of whose plays could make that shortlist
//   is not listed at all; once the shortlist is full, a position lists only
//   the kinds of play that could still make it (the listing then follows no
//   set of cards that cannot grow into one of those hands), which makes the
//   same plays for about a sixth less work.
// - The misses of a short search are mostly the big hands (royal flushes
//   above all) and the cleared-board bonus, so the rank of a position counts
//   each royal flush, straight flush and four of a kind whose cards are all
//   still on the board, by a share of its points that shrinks with the cards
//   in the way of its cards touching.
// - Positions reached by different orders of the same plays are merged (a
//   transposition table over the board and the hand types made, which are
//   all the rest of a game depends on), keeping the one with more points.
// - A position whose score so far plus a bound on what the rest of the board
//   can still pay cannot beat the best finished game is dropped.
// - The widest pass keeps 32,768 positions per count of cards left, so the
//   memory stays under 200 MB; a search that finished it stops there,
//   whatever its budget.
// - A pass that had to leave out no position has seen every position of the
//   game: its answer is the proven optimum (small boards get there fast).
// - Plays are made through the game's own rule functions (PlayOut.h):
//   adjacency, judgement, removal, close-up and the after-play search; the
//   plays are listed by LegalPlays.h, which has the game's judgement decide
//   (five cards through FiveCardHand.h's bit masks).
// - Where the time goes (callgrind, 2 deals at 20,000 plays): listing the
//   plays 32%, a position's estimates (ParEstimates.h) 29%, of it 15% how
//   near the big hands' cards are, making the plays 14%, the after-play
//   search 8%, setting a position out on a board 7%.

#include "game/LegalPlays.h"
#include "game/PlayOut.h"

#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

struct ParResult {
    std::vector<LegalPlay> line; // the plays in order, from the given position
    int32_t score = 0; // ScoreWithoutTimer after the line
    bool proven = false; // no line scores more
    uint64_t playsExamined = 0; // plays made on a board during the search
    int passes = 0;
    int widestBeam = 0; // the width of the widest pass that finished
    double seconds = 0;
    // Each better score the moment it was found, in seconds from the start.
    std::vector<std::pair<double, int32_t>> improvements;
};

inline constexpr double kUnboundedSeconds = std::numeric_limits<double>::infinity();

// Boards of up to 8 columns of 7 rows, as the game deals them or smaller.
// Searches for at most `seconds` of wall time and, when maxPlays is not 0,
// at most about that many plays (a budget that does not depend on the
// machine), or until the optimum is proven. The greedy first pass always runs
// to its end, so there is always a line.
ParResult SolvePar(const Position& start, double seconds, uint64_t maxPlays = 0);
