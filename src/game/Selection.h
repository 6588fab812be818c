#pragma once

// The player's picks and the adjacency rule a submitted play must meet, and
// the neighbour look-ups on the board.
//
// SelectedCards holds the picks by slot; slots are not kept packed: a pick
// takes the lowest free slot, a slot being free when it holds 0 or a card
// that is not picked (IsPicked, CardState.h).

#include "game/CardState.h"
#include "game/GameState.h"

#include <QPoint>
#include <QSize>

#include <array>

// The neighbouring cell's card, or 0: none above row 1, below NumRows, left
// of column 1 or right of ActiveColumns, and none for card 0.
CardId CardAbove(const GameState& g, const CardDeck& cards, CardId card);
CardId CardBelow(const GameState& g, const CardDeck& cards, CardId card);
CardId CardLeft(const GameState& g, const CardDeck& cards, CardId card);
CardId CardRight(const GameState& g, const CardDeck& cards, CardId card);

struct AdjacencyResult {
    // The number of adjacency links, each adjacent pair counted from both
    // sides; 1 for a joker on the bottom row or a joker picked alone; 0 when
    // refused or when there is nothing to judge (no card, one ordinary card).
    int16_t AdjacentLinks = 0;
    // The play fails the rule: "Error.wav", CountMisplay and PlayShow::PlayNote follow.
    // When false and AdjacentLinks is 0 the submission ends silently.
    bool Refused = false;
};

// The picked cards must hold at least n - 1 adjacent pairs (links >= 2 x (n - 1)).
// It is a count, not a connection test: a 2 x 2 block with any fifth card passes.
AdjacencyResult CheckAdjacent(const GameState& g, const CardDeck& cards);
// The same rule for the cards in `picked` (0 for an empty slot) instead of SelectedCards.
AdjacencyResult CheckAdjacent(const GameState& g, const CardDeck& cards, const std::array<CardId, 5>& picked);

// The lowest free slot 0..4, or -1 when none is free.
int LowestFreeSlot(const GameState& g, const CardDeck& cards);
// Picks the card into the lowest free slot: SelectedSlot, picked flag and
// SelectedCount follow. Returns the slot, or -1 when five cards are already
// picked (a sixth is refused: "Error.wav", CountMisplay and PlayShow::PlayNote).
int PickCard(GameState& g, CardDeck& cards, CardId card);
// Lets a picked card go and returns the slot it held (its save area), or -1
// when the card was not picked.
int DropCard(GameState& g, CardDeck& cards, CardId card);
// Empties the five slots and the count (the forfeit of a game).
void ClearSelection(GameState& g);

// The pick marker covers the card from (x + 15, y + 17); its save area is 49 x 25.
QPoint MarkerPosition(const CardDeck& cards, CardId card);
inline constexpr QSize kMarkerSaveSize { 49, 25 };

// The closing step of a mouse release: the first time the game score reaches
// the entry fee, FeeWonBack is set and true is returned (the score panel turns
// green and "scor1.wav" plays with a one-second pause).
bool MarkFeeWonBack(GameState& g);
