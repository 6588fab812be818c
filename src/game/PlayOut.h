#pragma once

// A board outside any window, played with the game's own rules: the deal laid
// out as the game lays it out, and a play made as a right click makes it.

#include "cardlib/CardDeck.h"
#include "game/GameState.h"
#include "game/LegalPlays.h"

#include <cstdint>

struct Position {
    GameState g;
    CardDeck cards;
};

// Deal n as the game deals it, on a board of the game's usual size; the game
// constants are set, nothing is picked and no card has left the board.
Position DealtPosition(uint32_t dealNumber);

// Picks the play's cards and plays them: adjacency and judgement (which pay
// the hand), removal with the drop of the cards above, the close-up of emptied
// columns. Returns false, changing nothing, when the rules refuse the play.
bool MakePlay(Position& p, const LegalPlay& play);

// The after-play search: false when the game is over.
bool GameGoesOn(const Position& p);

// The scoreboard's final score of the position as it stands, without the timer
// bonus: hand points, the different-hands bonus, the cards-removed bonus and
// the cleared-board bonus.
int32_t ScoreWithoutTimer(const GameState& g);
