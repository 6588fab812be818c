#pragma once

// The players file: one scrambled line per player, in the order they were
// added. Every rewrite happens under a lock file and replaces the file in one
// step, so two copies of the game never lose each other's changes.

#include "game/GameState.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

inline constexpr char kPlayersFileName[] = "players.dat";
inline constexpr char kPlayerFieldSeparator = '\x06';
inline constexpr int kMaxPlayerNameLength = 25;

// One player's record. The defaults are what a field missing from a line
// reads as; a new player's record is NewPlayerRecord.
struct PlayerRecord {
    QString Name;
    int32_t Bankroll = 0;
    bool SoundOn = false;
    bool ShowInstructions = false;
    int32_t GamesPlayed = 0;
    bool UseHandPopups = false;
    bool operator==(const PlayerRecord&) const = default;
};

// A new player: $1,000, sounds on, instructions shown, no games, hand pop-ups on.
PlayerRecord NewPlayerRecord(const QString& name);

// The six fields, each followed by the separator, in Windows-1252.
QByteArray PlayerRecordText(const PlayerRecord& record);
// Reads an unscrambled record; nothing when it does not even hold a name.
std::optional<PlayerRecord> ParsePlayerRecord(QByteArrayView text);
// A file line: the record scrambled with a fresh seed.
QByteArray PlayerLine(const PlayerRecord& record);
// The record of a file line (blanks around it ignored); nothing for a line
// that is not a scrambled record.
std::optional<PlayerRecord> ReadPlayerLine(QByteArrayView line);

// Every readable record of the file, in file order; empty when the file is
// missing, empty or unreadable.
[[nodiscard]] QList<PlayerRecord> ReadPlayers(const QString& path);
// The first record carrying exactly this name (letter case counts).
[[nodiscard]] std::optional<PlayerRecord> FindPlayer(const QString& path, const QString& name);

// Replaces every line of g.PlayerName with the current player's record and
// keeps every other line as it was, byte for byte. A player absent from the
// file is not added. False when the file could not be read or rewritten (or
// is marked read-only); it is then unchanged.
[[nodiscard]] bool SavePlayers(const GameState& g);
// The same for any player's record.
[[nodiscard]] bool SavePlayerRecord(const QString& path, const PlayerRecord& player);
// Adds a new player's line at the end (the file is created if missing).
// False, with nothing written, when the name is already in the file or the
// file could not be read or rewritten.
[[nodiscard]] bool AppendPlayer(const QString& path, const QString& name);
// Removes every line of this name. False when the file could not be read or rewritten.
[[nodiscard]] bool DeletePlayer(const QString& path, const QString& name);

// The current player of g as a record, and a record made the current player.
PlayerRecord CurrentPlayerRecord(const GameState& g);
void LoadPlayer(GameState& g, const PlayerRecord& record);

// The player list's line: name, tab, bankroll, tab, average.
QString PlayerListLine(const PlayerRecord& record);
// The name (before the first tab) and the bankroll text (between the first
// two tabs) of a list line, blanks trimmed.
QString ListLineName(const QString& line);
QString ListLineBankroll(const QString& line);

// The verdict on a name typed for a new player: Name is the trimmed name,
// Message is empty when it may be added, otherwise the text to show.
struct NewPlayerNameCheck {
    enum class Verdict { Ok, Empty, Refused, Duplicate };
    Verdict Result = Verdict::Ok;
    QString Name;
    QString Message;
};
[[nodiscard]] NewPlayerNameCheck CheckNewPlayerName(const QString& typed, const QString& playersFilePath);
