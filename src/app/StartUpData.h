#pragma once

// The start-up steps that touch the player's files: the data folder with the
// one-time move of old data files, and the age test and load of the top ten.

struct GameState;

void PrepareDataFolder(GameState& g);
void CheckTopTenAge(GameState& g);
