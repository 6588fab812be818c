#include "records/SavePoints.h"

SaveLedger& Saves()
{
    static SaveLedger ledger;
    return ledger;
}

namespace {

void Note(SaveLedger& ledger, bool saved)
{
    ledger.Failing = !saved;
    if (saved)
        ledger.Told = false;
}

bool RetryTopTen(GameState& g, SaveLedger& ledger)
{
    ledger.UnsavedTopTen.removeIf(
        [&](const TopTenRow& entry) { return RetryTopTenEntry(g, entry) != TopTenEntry::NotSaved; });
    return ledger.UnsavedTopTen.isEmpty();
}

} // namespace

bool SavePlayersAtSavePoint(GameState& g, SaveLedger& ledger)
{
    // The current player's record in memory is newer than any unsaved one of that name.
    ledger.UnsavedPlayers.removeIf([&](const PlayerRecord& record) {
        return record.Name == g.PlayerName || SavePlayerRecord(g.PlayersFilePath, record);
    });
    const bool player = SavePlayers(g);
    if (!player)
        ledger.UnsavedPlayers.append(CurrentPlayerRecord(g));
    const bool topTen = RetryTopTen(g, ledger);
    const bool saved = player && topTen && ledger.UnsavedPlayers.isEmpty();
    Note(ledger, saved);
    return saved;
}

TopTenEntry EnterTopTenAtSavePoint(GameState& g, int32_t finalScore, SaveLedger& ledger)
{
    const bool earlier = RetryTopTen(g, ledger);
    const TopTenEntry entry = EnterTopTen(g, finalScore);
    if (entry == TopTenEntry::NotSaved)
        ledger.UnsavedTopTen.append({ g.PlayerName, finalScore });
    Note(ledger, earlier && entry != TopTenEntry::NotSaved && ledger.UnsavedPlayers.isEmpty());
    return entry;
}

void NoteFailedSave(SaveLedger& ledger)
{
    Note(ledger, false);
}

void NoteFilesReadOnly(SaveLedger& ledger)
{
    ledger.Failing = true;
    ledger.Told = true;
}

QString TakeSaveFailureNotice(SaveLedger& ledger)
{
    if (!ledger.Failing || ledger.Told)
        return {};
    ledger.Told = true;
    return QStringLiteral("Your bankroll or high score could not be saved: the game cannot write to its data folder "
                          "(the disk may be full, or the folder or its files read-only).  You can go on playing; "
                          "the game tries again at every save.");
}

QString ReadOnlyFilesNotice()
{
    return QStringLiteral("The players file cannot be changed (its folder or the file is read-only).  You can play, "
                          "but bankrolls, settings and high scores will not be saved.");
}

RecordedSettlement SettleAndRecord(GameState& g)
{
    RecordedSettlement r;
    r.Figures = SettleGame(g);
    // A failure stays in the ledger: the next save point tries again and the
    // scoreboard tells the player.
    (void)SavePlayersAtSavePoint(g);
    r.EnteredTopTen = EnterTopTenAtSavePoint(g, r.Figures.FinalScore) == TopTenEntry::Saved;
    return r;
}
