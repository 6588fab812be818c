#pragma once

// Keyboard play on the board: which card the focus frame moves to for an
// arrow key, where it goes when its card leaves the board, and how a card is
// read out to a screen reader.

#include "game/GameState.h"

#include <QString>

enum class FocusMove { Left, Right, Up, Down };

// A card's cell on the board; column 0 when the card is not on the board.
struct BoardCell {
    int column = 0;
    int row = 0;
};
BoardCell FindCell(const GameState& g, CardId card);

// Where the frame first appears: the bottom card of the first column that
// holds a card; 0 on an empty board.
CardId FirstFocusCard(const GameState& g);

// The nearest card in the direction. Left and right take the next column
// that holds a card, and in it the card of the nearest row (the lower one on
// a tie); up and down stay in the column when it has a card that way, else
// take the nearest column that has one. With no card that way the frame
// stays where it is. A card no longer on the board moves as from its cell.
CardId MoveFocus(const GameState& g, CardId from, BoardCell fromCell, FocusMove move);

// The card the frame keeps after the board changed: the same card when it is
// still on the board (wherever it dropped or slid to), else the card now
// nearest to the cell it left, else 0.
CardId FollowFocus(const GameState& g, CardId card, BoardCell lastCell);

// "Seven of Hearts", "Ace of Spades", "Joker".
QString SpokenCardName(CardId card);
