#pragma once

// Taking back the last accepted play, once. The record is written after a
// play has been accepted and before its cards leave the board; the counters
// it keeps are those from before the judgement.

#include "game/GameState.h"

#include <array>
#include <optional>

class CardDeck;

struct UndoCounters {
    int32_t GameScore = 0;
    bool FeeWonBack = false;
    int16_t HandsMade = 0;
    int16_t CardsOnBoard = 0;
    std::array<int16_t, kNumHandTypes + 1> HandCounts {}; // by HandType 1..9
};

struct UndoRecord {
    // CardGrid before the play, the jokers 110..113 stored as 53..56.
    CardGridArray UndoGrid;
    // Positions before the play, by stored id 1..56.
    std::array<int16_t, 58> UndoCardX {};
    std::array<int16_t, 58> UndoCardY {};
    UndoCounters Counters;
};

// The counters as they stand; kept before the judgement of every submission.
UndoCounters KeepUndoCounters(const GameState& g);

// Writes the record: the grid and the card positions now, and the counters
// kept before the judgement. The window then enables Undo.
void SaveUndoBoard(UndoRecord& record, const GameState& g, const CardDeck& cards, const UndoCounters& before);

// What the window shows after an undo, besides the columns it redraws.
struct UndoneLook {
    // By hand label 0..8: true for a hand still counted (its label flashes and
    // ends lit), false for one the undo took back (its label is reset).
    std::array<bool, kNumHandTypes> HandLabelLit {};
    bool ScoreGreen = false; // the score panel: green when the fee is still won back, else red
};

// The Undo command. Returns nothing and changes nothing while no card has left
// the board (CardsOnBoard is 56). Otherwise puts back the grid, positions,
// columns and rows, ActiveColumns, ColumnCardCount and the counters, and lets
// every picked card go. The clock is not touched.
// The window then plays "Nervous.wav", redraws the columns, shows the score
// and the returned look, and disables Undo.
std::optional<UndoneLook> RestoreUndoBoard(GameState& g, CardDeck& cards, const UndoRecord& record);
