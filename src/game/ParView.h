#pragma once

// Par where the player meets it: once a game is over, the best score the
// deal allowed beside the player's own, and the board laid out again as it
// was dealt so the best line can be shown on it. Nothing here touches the
// player's money or records; the window only shows what these return.

#include "game/LegalPlays.h"
#include "game/PlayOut.h"

#include <QString>

#include <cstdint>
#include <vector>

// How long the game window searches for par, and at most how many plays it
// makes (so one deal's par is the same on every asking, load permitting).
inline constexpr double kParSeconds = 1.0;
inline constexpr uint64_t kParMaxPlays = 400000;

// Par can be asked for once a game has been dealt and is over: never during
// a game, never before the first deal.
bool ParAvailable(const GameState& g);

// The player's own score in par's measure: the scoreboard's final score
// without the timer bonus (hand points, the different-hands bonus, the
// cards-removed bonus and the cleared-board bonus). The hand points are
// counted from the hands made, so the answer is the same before the
// scoreboard credits the final score as after.
int32_t PlayerScoreWithoutTimer(const GameState& g);

struct ParReport {
    uint32_t dealNumber = 0;
    int32_t par = 0;
    int32_t yours = 0;
    bool proven = false; // no line of the deal scores more
    std::vector<LegalPlay> line; // the plays that reach par, from the deal
};

// Searches the deal of the game that just ended (at most `seconds`, and at
// most about `maxPlays` plays when that is not 0). Safe to run off the
// window's thread: it reads nothing but the values it is given.
ParReport FindParOfDeal(uint32_t dealNumber, int32_t yours, double seconds, uint64_t maxPlays);

// The dialog's title and text: par and the player's score, and what both measure.
QString ParTitle();
QString ParText(const ParReport& report);

// The board of the game that ended, laid out again as it was dealt: the same
// player, records and window geometry, a fresh score, nothing picked, the
// game marked in progress so the play rules take picks, and no scoreboard
// due. The caller plays on copies and puts the ended game back afterwards.
Position DealAgainForShow(const GameState& ended, const CardDeck& deck);
