#pragma once

// Is a play left? The game looks for a joker on the board and for five
// patterns of orthogonal neighbours; it does not enumerate every hand the
// judgement would accept, and the searches stop short in places (a growth
// pass whose last expansion added nothing ends the growth). Those limits
// decide when a game ends, so they are kept exactly.
//
// Every search starts from the ordinary cards 1..52 that lie on the board
// (x > 0), in id order, and visits neighbours above, below, left, right.
// Empty cells are never taken for cards.

#include "game/GameState.h"

#include <QString>

class CardDeck;

// Two orthogonal neighbours of equal rank.
bool FindPair(const GameState& g, const CardDeck& cards);
// A card, two of its neighbours of equal rank, and a card of the first card's
// rank next to one of those two (A, B, A, B in a row).
bool FindTwoPairs(const GameState& g, const CardDeck& cards);
// Five connected cards of one suit.
bool FindFlush(const GameState& g, const CardDeck& cards);
// Five connected cards of five consecutive ranks, the Ace low only.
bool FindStraight(const GameState& g, const CardDeck& cards);
// Five connected cards ranked 10, J, Q, K, A.
bool FindRoyalStraight(const GameState& g, const CardDeck& cards);

// A joker of the deal (ids of 99 or more in Deck) still on the board.
bool AnyJokerOnBoard(const GameState& g, const CardDeck& cards);
// The after-play search: a joker on the board or any of the five patterns.
bool PlaysLeft(const GameState& g, const CardDeck& cards);

enum class GameEnd {
    Scoreboard, // the fee was won back: victory sequence, then the scoreboard
    WonWithoutScoreboard, // won back, but the scoreboard of this deal was already shown
    Statistics, // "Schz.wav", Pause(0.5), then the statistics window
};
// No play is left: FeeWonBack is set, the game is no longer in progress, and
// ScoreboardPending is cleared when the scoreboard is due. The window stops
// the clock, saves the players file and closes the in-game menus.
GameEnd EndGameNoPlaysLeft(GameState& g);

// The "Game Hint" message (information icon, OK): the rhymes of every kind of
// play found, or "Sorry, there are no valid plays left.", then the note on
// the timer bonus. Lines end in carriage returns; "»" is U+00BB.
QString HintText(const GameState& g, const CardDeck& cards);
QString HintTitle();
// After the hint: 10 seconds more on the clock (50 dollars of timer bonus).
void ApplyHintPenalty(GameState& g);
