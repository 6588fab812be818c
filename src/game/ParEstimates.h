#pragma once

// What the par search estimates a board is still worth, to rank the positions
// it keeps and to drop those that cannot beat the best finished game.

#include "game/GameState.h"

#include <array>
#include <cstdint>

namespace par {

inline constexpr int kMaxColumns = 8;
inline constexpr int kMaxRows = 7;
inline constexpr int kCells = kMaxColumns * kMaxRows;
// A board packed for the search: card ids column by column (jokers fit a byte).
using Grid = std::array<uint8_t, kCells>;

// The most a game can still end with from this board; `mostAtOnce` is set to
// the most one play could pay at once.
int32_t UpperBound(const GameState& g, int32_t clearedBonus, int32_t& mostAtOnce);

// What touching cards of one rank or one suit promise for the next hands.
int32_t Promise(const Grid& grid, int activeColumns, int numRows);

// What the big hands whose cards are all on the board promise, by how near
// their cards are to touching.
int32_t BigHandsPromise(
    const Grid& grid, int activeColumns, int numRows, const std::array<int16_t, kNumHandTypes + 1>& points);

} // namespace par
