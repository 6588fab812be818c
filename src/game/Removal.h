#pragma once

// The cards of an accepted play leave the board one by one; the cards above
// each drop one row, so every column stays packed against the bottom row
// (k cards fill rows NumRows - k + 1 .. NumRows, with matching row values);
// emptied columns are closed up by sliding the columns on their right.
//
// These functions change the grid and the card objects and say what the
// window must do to its picture, in pixels, in the order it must do it.

#include "game/GameState.h"

#include <QPoint>
#include <QRect>

#include <optional>
#include <vector>

class CardDeck;

// The table picture that erases card areas and whole columns.
inline constexpr int kClearCardsWidth = 73;
inline constexpr int kClearCardsHeight = 398;
// Where a removed card is parked: the hit test never finds it there.
inline constexpr QPoint kParkedPosition { -100, -100 };

enum class RemovalCase {
    ColumnEmptied, // paint the table over `erase` (the card's rectangle); no sound
    BottomRemoved, // take `card` off the window, copy `copySource` to `copyTarget`, draw `newBottom`
                   // whole at `newBottomAt`, erase the strip `erase`; "buttup.wav" or Pause(0.05)
    AboveRemoved, // copy `copySource` to `copyTarget` (may be empty: the top card went),
                  // erase the strip `erase`; "buttup.wav" or Pause(0.05)
};

struct RemovalStep {
    CardId card = 0;
    int column = 0;
    int row = 0;
    QPoint removedAt; // where the card lay
    RemovalCase kind = RemovalCase::ColumnEmptied;
    QRect copySource; // the strips above, moved down one row (copy through a buffer: they overlap)
    QPoint copyTarget;
    QRect erase;
    CardId newBottom = 0; // BottomRemoved: the card now whole at the bottom
    QPoint newBottomAt;

    bool dropSound() const { return kind != RemovalCase::ColumnEmptied; }
};

// Removes one card: it leaves the selection (count, picked flag, its slot),
// the cards above it drop one row (grid, y and row value), and the card is
// parked at (-100, -100). Nothing happens and nothing is returned for a card
// that is not in its grid cell.
std::optional<RemovalStep> RemoveCardAndDrop(GameState& g, CardDeck& cards, CardId card);

// Removes every picked card (picked flag -1) in slot order 0..4, each on the
// board as the previous removal left it.
std::vector<RemovalStep> RemoveSelectedCards(GameState& g, CardDeck& cards);

struct ColumnShift {
    int from = 0; // column j + 1, whose picture moves one column left
    int to = 0; // column j
    QRect copySource;
    QPoint copyTarget;
    QRect erase; // the table painted over the column it left
};

struct CloseUp {
    // "ColGone.wav" (or Pause(0.2) with sound off), once, before the shifts:
    // an empty column has a non-empty column on its right.
    bool colGoneSound = false;
    // In order; the window lets events run between two shifts. Closing the
    // rightmost active column shifts nothing.
    std::vector<ColumnShift> shifts;
};

// Closes every empty active column: the columns on its right slide one place
// left (grid, column value, x), ActiveColumns drops by one per closed column.
// Does nothing when no active column is empty.
CloseUp CloseUpColumns(GameState& g, CardDeck& cards);

// The area of one column the eraser covers, from row 1 down to the bottom card.
QRect ColumnEraseRect(const GameState& g, int column);
