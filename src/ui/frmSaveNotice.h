#pragma once

// The window side of the save points: the player hears once, in a message
// box, that a save failed.

struct GameState;

// A save point of the players file (see SavePoints.h), telling the player
// when it fails.
void SavePlayersAndTell(GameState& g);
// Tells the player of failed saves, once per run of failures.
void TellSaveFailures();
