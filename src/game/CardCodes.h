#pragma once

// Two-letter names of cards for text a player reads or types: the rank
// A 2 3 4 5 6 7 8 9 T J Q K and the suit C D H S ("7H", "TS", "AC"), and "JK"
// for every joker.

#include "game/GameState.h"

#include <QString>

QString CardCode(CardId card);
