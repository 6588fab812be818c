#pragma once

// The ten best final scores: the plain-text file beside the players file, its
// default table, its sort and its age.

#include "game/GameState.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>

using TopTenTable = std::array<TopTenRow, 13>;

inline constexpr char kTopTenFileName[] = "TopTen.dat";
inline constexpr int kTopTenMaxAgeDays = 15;

// The top ten file of a data folder: "TopTen.dat", or an existing file of that
// name in another letter case (older copies wrote "topten.dat"). Reading and
// writing use the same file.
[[nodiscard]] QString TopTenFilePath(const QString& dataFolder);

// Writes the default table (ten "*******" rows, 7500 down to 3000) to the file;
// the table in memory is left alone.
[[nodiscard]] bool ResetTopTen(const GameState& g);
// Reads rows 0..9 from the file, name then score; rows the file does not reach
// are left as they were. A score beyond 32 bits stops at the nearest limit.
// False when the file could not be read.
[[nodiscard]] bool LoadTopTen(GameState& g);

// Sorts rows 0..topTenRows best first by score; names travel with their
// scores. Equal scores are swapped too, so their order follows the passes.
void SortTopTen(TopTenTable& rows, int topTenRows);

// Puts entry into the table when it beats row 9 (after sorting a table that
// is out of order): row 9, then the sort with TopTenRows = 10. No row that
// was in the table is lost but the one the entry replaces. False when the
// entry does not qualify.
bool EnterTopTenRow(TopTenTable& rows, const TopTenRow& entry);

enum class TopTenEntry {
    NotEntered, // the score does not beat the tenth
    Saved,
    NotSaved, // in the table in memory only: the lock or the write failed
};
// Enters g.PlayerName with finalScore (or entry): rereads the file first
// (another copy of the game may have changed it), enters the row into
// g.TopTen and saves.
[[nodiscard]] TopTenEntry EnterTopTen(GameState& g, int32_t finalScore);
[[nodiscard]] TopTenEntry EnterTopTen(GameState& g, const TopTenRow& entry);
// Enters a row whose save failed earlier and is already in the table in
// memory: with the file unreachable, the table is left as it is.
[[nodiscard]] TopTenEntry RetryTopTenEntry(GameState& g, const TopTenRow& entry);

// Days from the file's last change to the start of today, rounded half to even.
int TopTenAgeDays(const QDateTime& fileModified, const QDate& today);

enum class TopTenStartup {
    Missing, // make the default table without asking
    Old, // older than 15 days: ask whether to clear it
    Current,
};
[[nodiscard]] TopTenStartup TopTenStartupCheck(const QString& dataFolder, const QDate& today = QDate::currentDate());

// The question asked for an old table.
QString TopTenOldQuestion();
QString TopTenOldQuestionTitle();
