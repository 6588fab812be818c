#pragma once

// What five cards make, worked out from a bit per rank and a bit per suit
// rather than by comparing every pair of cards: the judgement (Judge.h) and
// the listing of every play ask it for every set of five.

#include "game/GameState.h"

// The hand type (HandType 1..9) the five cards make, or 0 when they make none:
// a straight of five ranks in a row (the Ace low, or above the King only in
// 10, J, Q, K, A), a flush of one suit, both at once a straight flush or (10
// to the Ace) a royal flush, three of one rank and two of another a full
// house; four of a kind with a fifth card, two pairs with a fifth card and
// everything else make nothing. Cards that are no ordinary card make nothing.
int FiveCardHandType(const CardId hand[5]);
