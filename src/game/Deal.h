#pragma once

// The deal of one game: the per-game reset, the shuffle (or the replay of the
// previous shuffle), where the board sits in the window and which card goes
// to which cell. The window animates the flights from what these return.
//
// The window's deal runs, in this order:
//   ResetForDeal(g);                      // then reset the score panel, hand labels, menus
//   PrepareDeck(g, cards);                // every card in play out of sight at (-100, 0)
//   if (ArrangeDeck(g))                   // shuffled or replayed
//       ComputeBoardOrigin(g, ...);       // a replay keeps the previous origin
//   for k = 1..56: fly Deck(k) from (-100, 0) to its cell, then PlaceDealtCard(g, cards, k);
//   FinishLayOut(g);

#include "game/GameState.h"

#include <QPoint>
#include <QString>

#include <vector>

class CardDeck;

// The per-game reset: score, hand counts, selection, board size, column
// counts and the clock; GameInProgress and ScoreboardPending become true.
// The fee is to be won back anew, a replayed deal's too: the end of a game
// marks it won back, and the score starts again at $0.
// The window stops its clock before, so nothing ticks during the deal.
void ResetForDeal(GameState& g);

// Resets the card objects, sets the row overlap, clears the pick count and
// puts ids 1..56 into play out of sight at (-100, 0), with Deck(i) = i.
void PrepareDeck(GameState& g, CardDeck& cards);

// Deals deal number NextDealNumber when one was asked for (and clears the
// request); otherwise seeds the shared generator from the time of day and lets
// it pick the deal number. DealNumber tells which deal is on the board.
void ShuffleDeck(GameState& g);
// Deck = the order of the given deal number (DealNumber.h), jokers included.
void ShuffleDeckNumbered(GameState& g, uint32_t dealNumber);
// Walks Deck(1..56) and gives the ids above 52 the joker ids 110..113 in deal order.
void AssignJokerIds(GameState& g);

// A same deal copies SavedDeck into Deck and clears SameDeal. Returns false
// when SavedDeck holds no complete deal (then nothing changes).
bool ReplaySavedDeck(GameState& g);

// Same deal or shuffle: returns true when the deck was shuffled, so the board
// origin must be computed; false when the previous deal was replayed.
bool ArrangeDeck(GameState& g);

// BoardLeft and BoardTop from the window's inner size (BoardWidth,
// BoardHeight) and the heights of the status panel, a hand label and the
// title, each rounded half to even. A value that does not fit 16 bits keeps
// its previous value.
void ComputeBoardOrigin(GameState& g, int panelHeight, int handLabelHeight, int titleHeight);

// Pixel place of cell (column, row): BoardLeft + c x CardWidth, BoardTop + r x RowStep.
QPoint CellPosition(const GameState& g, int column, int row);

struct DealPlacement {
    CardId card = 0;
    int column = 0;
    int row = 0;
    QPoint at; // where the card flies to
    bool dealSound = false; // after every fourth card: "deal.wav" (sync), or Pause(0.05) with sound off
};

// Where deal position k (1..56) goes, before it is placed.
DealPlacement DealTarget(const GameState& g, int k);
// Places deal position k (1..56) in its cell: counts it, moves the card,
// records it in CardGrid and sets user 3 (column) and user 4 (row). Placing
// k = 1 starts the count of cards on the board afresh.
DealPlacement PlaceDealtCard(GameState& g, CardDeck& cards, int k);
// After the last placement: SavedDeck = Deck, ActiveColumns = NumColumns.
void FinishLayOut(GameState& g);
// The whole lay-out at once, without the flights: every position placed, then
// FinishLayOut. For boards dealt where nobody watches (the par search).
std::vector<DealPlacement> LayOutBoard(GameState& g, CardDeck& cards);

// "Player: name     Bankroll: $x     Average Score: $y"; without the average
// when it is negative. The average is Bankroll / GamesPlayed rounded half to
// even, stopping at the 32-bit limits; 0 when no game was played.
QString PlayerStatusLine(const GameState& g);
int32_t PlayerAverage(const GameState& g);
int32_t PlayerAverage(int32_t bankroll, int32_t gamesPlayed);
