#include "records/PlayersFile.h"

#include "game/Deal.h"

#include "game/VbMath.h"
#include "records/RecordFiles.h"
#include "records/Scramble.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace {

QByteArray FlagText(bool on)
{
    return on ? QByteArrayLiteral("True") : QByteArrayLiteral("False");
}

QString LockPath(const QString& path)
{
    return QFileInfo(path).absolutePath() + QStringLiteral("/players.lock");
}

// The lines of the players file, read while lock is held. A missing file
// counts as empty only when missingIsEmpty; one that cannot be read is a failure.
std::optional<FileLines> LockAndRead(QLockFile& lock, const QString& path, bool missingIsEmpty)
{
    if (!TakeRecordLock(lock))
        return std::nullopt;
    if (missingIsEmpty && !QFileInfo::exists(path))
        return FileLines();
    const std::optional<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes)
        return std::nullopt;
    return SplitFileLines(*bytes);
}

bool WriteLines(const QString& path, const FileLines& lines)
{
    return WriteFileAtomically(path, lines.Bytes());
}

bool IsControl(QChar c)
{
    return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0);
}

// A name made only of no-break spaces, zero-width marks and the like shows as
// nothing at all.
bool IsVisible(QChar c)
{
    if (c.isSpace())
        return false;
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_Enclosing:
        return false;
    default:
        return true;
    }
}

} // namespace

PlayerRecord NewPlayerRecord(const QString& name)
{
    return { name, 1000, true, true, 0, true };
}

QByteArray PlayerRecordText(const PlayerRecord& record)
{
    const char sep = kPlayerFieldSeparator;
    return ToWindows1252(record.Name) + sep + QByteArray::number(record.Bankroll) + sep + FlagText(record.SoundOn) + sep
        + FlagText(record.ShowInstructions) + sep + QByteArray::number(record.GamesPlayed) + sep
        + FlagText(record.UseHandPopups) + sep;
}

std::optional<PlayerRecord> ParsePlayerRecord(QByteArrayView text)
{
    // A field counts only when its separator follows it; a missing one reads
    // as empty, zero or False.
    QList<QByteArrayView> fields;
    for (qsizetype start = 0, end; (end = text.indexOf(kPlayerFieldSeparator, start)) >= 0; start = end + 1)
        fields.append(text.sliced(start, end - start));
    if (fields.isEmpty() || fields[0].isEmpty())
        return std::nullopt;
    PlayerRecord record;
    record.Name = FromWindows1252(fields[0]);
    const auto number = [&](int i, int32_t& to) {
        if (fields.size() > i)
            to = LeadingNumber(fields[i]).value_or(to);
    };
    const auto flag = [&](int i, bool& to) {
        if (fields.size() > i)
            to = fields[i] == "True";
    };
    number(1, record.Bankroll);
    flag(2, record.SoundOn);
    flag(3, record.ShowInstructions);
    number(4, record.GamesPlayed);
    flag(5, record.UseHandPopups);
    return record;
}

QByteArray PlayerLine(const PlayerRecord& record)
{
    return ScrambleText("E", kScrambleKey, PlayerRecordText(record));
}

std::optional<PlayerRecord> ReadPlayerLine(QByteArrayView line)
{
    line = TrimBlanks(line);
    if (!IsScrambledText(line))
        return std::nullopt;
    return ParsePlayerRecord(ScrambleText("D", kScrambleKey, line));
}

QList<PlayerRecord> ReadPlayers(const QString& path)
{
    QList<PlayerRecord> players;
    const std::optional<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes)
        return players;
    for (const QByteArray& line : SplitLines(*bytes)) {
        if (std::optional<PlayerRecord> record = ReadPlayerLine(line))
            players.append(*record);
    }
    return players;
}

std::optional<PlayerRecord> FindPlayer(const QString& path, const QString& name)
{
    for (const PlayerRecord& record : ReadPlayers(path)) {
        if (record.Name == name)
            return record;
    }
    return std::nullopt;
}

bool SavePlayers(const GameState& g)
{
    return SavePlayerRecord(g.PlayersFilePath, CurrentPlayerRecord(g));
}

bool SavePlayerRecord(const QString& path, const PlayerRecord& player)
{
    QLockFile lock(LockPath(path));
    std::optional<FileLines> lines = LockAndRead(lock, path, false);
    if (!lines)
        return false;
    bool replaced = false;
    for (FileLine& line : lines->Lines) {
        const std::optional<PlayerRecord> record = ReadPlayerLine(line.Text);
        if (record && record->Name == player.Name) {
            line = { PlayerLine(player), "\r\n" };
            replaced = true;
        }
    }
    return !replaced || WriteLines(path, *lines);
}

bool AppendPlayer(const QString& path, const QString& name)
{
    // Such a line could never be read back as this player.
    if (name.isEmpty() || name.contains(QLatin1Char(kPlayerFieldSeparator)))
        return false;
    QLockFile lock(LockPath(path));
    std::optional<FileLines> lines = LockAndRead(lock, path, true);
    if (!lines)
        return false;
    // Checked again here: another copy of the game may have added the name
    // since the add window looked.
    for (const FileLine& line : std::as_const(lines->Lines)) {
        const std::optional<PlayerRecord> record = ReadPlayerLine(line.Text);
        if (record && record->Name == name)
            return false;
    }
    lines->Append(PlayerLine(NewPlayerRecord(name)));
    return WriteLines(path, *lines);
}

bool DeletePlayer(const QString& path, const QString& name)
{
    QLockFile lock(LockPath(path));
    std::optional<FileLines> lines = LockAndRead(lock, path, false);
    if (!lines)
        return false;
    const qsizetype removed = lines->Lines.removeIf([&](const FileLine& line) {
        const std::optional<PlayerRecord> record = ReadPlayerLine(line.Text);
        return record && record->Name == name;
    });
    return removed == 0 || WriteLines(path, *lines);
}

PlayerRecord CurrentPlayerRecord(const GameState& g)
{
    return { g.PlayerName, g.Bankroll, g.SoundOn, g.ShowInstructions, g.GamesPlayed, g.UseHandPopups };
}

void LoadPlayer(GameState& g, const PlayerRecord& record)
{
    g.PlayerName = record.Name;
    g.Bankroll = record.Bankroll;
    g.SoundOn = record.SoundOn;
    g.ShowInstructions = record.ShowInstructions;
    g.GamesPlayed = record.GamesPlayed;
    g.UseHandPopups = record.UseHandPopups;
}

QString PlayerListLine(const PlayerRecord& record)
{
    const QString bankroll = FormatMoney(record.Bankroll);
    return record.Name.leftJustified(kMaxPlayerNameLength) + QLatin1Char('\t') + bankroll
        + QString(std::max<qsizetype>(0, 10 - bankroll.size()), QLatin1Char(' ')) + QLatin1Char('\t')
        + FormatMoney(PlayerAverage(record.Bankroll, record.GamesPlayed));
}

QString ListLineName(const QString& line)
{
    return TrimBlanks(line.section(QLatin1Char('\t'), 0, 0));
}

QString ListLineBankroll(const QString& line)
{
    return TrimBlanks(line.section(QLatin1Char('\t'), 1, 1));
}

NewPlayerNameCheck CheckNewPlayerName(const QString& typed, const QString& playersFilePath)
{
    using Verdict = NewPlayerNameCheck::Verdict;
    NewPlayerNameCheck check;
    check.Name = TrimBlanks(typed);
    const QString& name = check.Name;
    const auto refuse = [&](Verdict verdict, const QString& message) {
        check.Result = verdict;
        check.Message = message;
        return check;
    };
    if (!std::any_of(name.cbegin(), name.cend(), IsVisible))
        return refuse(Verdict::Empty, QStringLiteral("Please type a name for the new player."));
    if (std::any_of(name.cbegin(), name.cend(), IsControl))
        return refuse(
            Verdict::Refused, QStringLiteral("A player's name cannot hold tabs or other control characters."));
    if (!FitsWindows1252(name))
        return refuse(Verdict::Refused,
            QStringLiteral("A player's name can only use the letters, digits and signs of Western European "
                           "languages."));
    if (name.size() > kMaxPlayerNameLength)
        return refuse(Verdict::Refused, QStringLiteral("A player's name can be at most 25 characters long."));
    if (name.contains(QLatin1Char(',')) || name.contains(QLatin1Char('"')))
        return refuse(Verdict::Refused, QStringLiteral("A player's name cannot hold a comma or a double quote."));
    if (FindPlayer(playersFilePath, name))
        return refuse(Verdict::Duplicate,
            QStringLiteral("A player by the name of  ") + name + QStringLiteral(" already exists."));
    return check;
}
