#pragma once

// Every save of the player's files goes through a save point. A save that
// fails is remembered and tried again at the next save point, the player is
// told of it once, in plain words, and the game goes on with the values in
// memory; nothing already in the files is lost.

#include "game/GameState.h"
#include "game/Settlement.h"
#include "records/PlayersFile.h"
#include "records/TopTen.h"

#include <QList>
#include <QString>

struct SaveLedger {
    // Records that could not be written (the current player's, or one of a
    // player left since).
    QList<PlayerRecord> UnsavedPlayers;
    // Entries in the table in memory that the top ten file still lacks.
    QList<TopTenRow> UnsavedTopTen;
    bool Failing = false; // the last save point left something unsaved
    bool Told = false; // the player has been told since the failures began
};

// The ledger of the running game.
SaveLedger& Saves();

// Writes the current player's record, and whatever earlier save points left
// unsaved. True when all of it is in the files.
[[nodiscard]] bool SavePlayersAtSavePoint(GameState& g, SaveLedger& ledger = Saves());

// Enters a won game's final score into the top ten; an entry that cannot be
// saved stays in the table in memory and is tried again at the next save point.
[[nodiscard]] TopTenEntry EnterTopTenAtSavePoint(GameState& g, int32_t finalScore, SaveLedger& ledger = Saves());

// Marks the player's files as known to be unwritable, the player told already
// (at start-up), so the save points fail without telling again.
void NoteFilesReadOnly(SaveLedger& ledger = Saves());

// A save outside the save points failed (the top ten's reset): the player is
// told with the same notice, once per run of failures.
void NoteFailedSave(SaveLedger& ledger = Saves());

// The text to show the player now: once per run of failures, empty otherwise.
QString TakeSaveFailureNotice(SaveLedger& ledger = Saves());
// The text telling the player at start that changes cannot be saved.
QString ReadOnlyFilesNotice();

// Settles a won game (SettleGame), then saves the player and enters the same
// final score into the top ten, all before the scoreboard counts it up.
struct RecordedSettlement {
    Settlement Figures;
    bool EnteredTopTen = false; // the entry is in the top ten file: its window follows the count
};
[[nodiscard]] RecordedSettlement SettleAndRecord(GameState& g);
