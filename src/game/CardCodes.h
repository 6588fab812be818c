#pragma once

// Two-letter names of cards for text a player reads or types: the rank
// A 2 3 4 5 6 7 8 9 T J Q K and the suit C D H S ("7H", "TS", "AC"), and "JK"
// for every joker.

#include "game/GameState.h"
#include "game/LegalPlays.h"

#include <QString>

QString CardCode(CardId card);

// A play as a line a player can follow on the board by hand: its cards, then
// the hand's name ("KH KD  1 Pair"). While more than one joker is on the
// board, "JK" alone would not say which joker is meant, so each joker of the
// play is also placed: "9D JK  (JK in column 5, 3rd from the bottom)".
QString PlayLine(const GameState& g, const CardDeck& deck, const LegalPlay& play);
