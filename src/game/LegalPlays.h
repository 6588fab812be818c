#pragma once

// Every play the board allows: each set of cards that the adjacency rule and
// the judgement both accept, that is 2 to 5 touching cards making exactly a
// hand, and the joker plays (a joker alone, a joker with a neighbour, a joker
// of the bottom row with any card). The rules themselves stay in Selection.h
// (CheckAdjacent) and Judge.h (JudgeHand); this only proposes the sets.

#include "game/GameState.h"

#include <array>
#include <vector>

class CardDeck;

struct LegalPlay {
    std::array<CardId, 5> cards {}; // the cards to pick, 0 after the last
    int count = 0;
    int handType = 0; // 1..9; 0 for a joker removal
    int points = 0; // HandPoints of the hand; 0 for a joker removal
};

// The plays of the board as it stands (the picks are ignored), each set once,
// hands first in falling points, then the joker removals.
std::vector<LegalPlay> LegalPlays(const GameState& g, const CardDeck& cards);
// The kinds of play to list, a bit per hand type (bit 0: the joker removals).
using PlayKinds = unsigned;
inline constexpr PlayKinds kAllPlayKinds = (1u << (kNumHandTypes + 1)) - 1;

// The same into `out` (cleared first), so a caller can keep its storage; in no
// particular order when `ordered` is false, for a caller that ranks them itself.
// Only the plays of the given kinds are listed: sets of cards that cannot grow
// into one of them are not followed, which spares a caller that wants only
// the bigger hands most of the work.
void ListLegalPlays(const GameState& g, const CardDeck& cards, std::vector<LegalPlay>& out, bool ordered = true,
    PlayKinds kinds = kAllPlayKinds);
