#pragma once

// Deal numbers: every deal the game can lay out has a number from 1 to
// 4,294,967,295, and deal n is the same board on every machine and build.
//
// Deal n, written out so that anyone can reproduce it:
//   1. A 64-bit state starts at n. Each draw adds 0x9E3779B97F4A7C15 to the
//      state (modulo 2^64) and returns z ^ (z >> 31), where
//      z = (s ^ (s >> 30)) * 0xBF58476D1CE4E5B9, then z = (z ^ (z >> 27)) * 0x94D049BB133111EB
//      (the splitmix64 generator; all products modulo 2^64).
//   2. The positions 1..56 hold the ids 1..56. For i = 56 down to 2, the
//      position j = 1 + (draw mod i) is swapped with position i.
//   3. Walking the positions in order, the ids 53..56 become the jokers 110,
//      111, 112 and 113 in the order they are met.
// Position k goes to column (k - 1) / 7 + 1, row (k - 1) % 7 + 1: column 1
// from its top card down, then column 2, and so on.

#include "game/GameState.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

inline constexpr uint32_t kFirstDealNumber = 1;
inline constexpr uint32_t kLastDealNumber = 4294967295u;

using DeckOrder = std::array<CardId, kDeckSize + 1>; // positions 1..56, slot 0 unused

// The order of deal n (n from 1 on; 0 is taken as 1).
DeckOrder DealOrder(uint32_t dealNumber);

// A deal number for a uniform u in [0, 1): 1 + the whole part of u x 4,294,967,295.
uint32_t DealNumberFor(double u);

// "Deal 12345": how the number of the deal on the board is shown.
QString DealCaption(uint32_t dealNumber);

// "12345" or " 12345 " to 12345; nothing for text that is no deal number.
std::optional<uint32_t> ParseDealNumber(const QString& text);
