#include "game/Undo.h"

#include "cardlib/CardDeck.h"
#include "game/CardState.h"

namespace {
// Jokers are kept under 53..56 so the position arrays stay small.
constexpr int kJokerStoreOffset = kFirstJokerId - 53;

CardId StoredId(CardId card)
{
    return IsJoker(card) ? static_cast<CardId>(card - kJokerStoreOffset) : card;
}

CardId BoardId(CardId stored)
{
    return stored > 52 ? static_cast<CardId>(stored + kJokerStoreOffset) : stored;
}

bool Storable(CardId stored)
{
    return stored >= 1 && stored <= 57;
}
} // namespace

UndoCounters KeepUndoCounters(const GameState& g)
{
    return { g.GameScore, g.FeeWonBack, g.HandsMade, g.CardsOnBoard, g.HandCounts };
}

void SaveUndoBoard(UndoRecord& record, const GameState& g, const CardDeck& cards, const UndoCounters& before)
{
    record.UndoGrid.clear();
    for (int c = 1; c <= g.NumColumns; ++c) {
        for (int r = 1; r <= g.NumRows; ++r) {
            const CardId card = g.CardGrid(c, r);
            const CardId stored = StoredId(card);
            record.UndoGrid(c, r) = stored;
            if (card != 0 && Storable(stored)) {
                record.UndoCardX[stored] = static_cast<int16_t>(cards.GetCardX(card));
                record.UndoCardY[stored] = static_cast<int16_t>(cards.GetCardY(card));
            }
        }
    }
    record.Counters = before;
}

std::optional<UndoneLook> RestoreUndoBoard(GameState& g, CardDeck& cards, const UndoRecord& record)
{
    if (g.CardsOnBoard == kDeckSize)
        return std::nullopt;

    g.ActiveColumns = 0;
    g.SelectedCards.fill(0);
    g.SelectedCount = 0;
    for (int c = 1; c <= g.NumColumns; ++c) {
        int count = 0;
        for (int r = 1; r <= g.NumRows; ++r) {
            const CardId stored = record.UndoGrid(c, r);
            const CardId card = BoardId(stored);
            g.CardGrid(c, r) = card;
            if (card == 0)
                continue;
            ++count;
            if (Storable(stored)) {
                cards.SetCardX(card, record.UndoCardX[stored]);
                cards.SetCardY(card, record.UndoCardY[stored]);
            }
            SetCell(cards, card, c, r);
            SetPicked(cards, card, false);
            if (card < static_cast<int>(g.SelectedSlot.size()))
                g.SelectedSlot[card] = 0;
        }
        const CardId bottom = g.CardGrid(c, g.NumRows);
        if (bottom != 0)
            ++g.ActiveColumns;
        g.ColumnCardCount[c] = static_cast<int16_t>(count);
    }

    const UndoCounters& k = record.Counters;
    g.GameScore = k.GameScore;
    g.HandsMade = k.HandsMade;
    g.CardsOnBoard = k.CardsOnBoard;
    g.HandCounts = k.HandCounts;
    g.FeeWonBack = k.FeeWonBack;

    UndoneLook look;
    for (int t = 1; t <= kNumHandTypes; ++t)
        look.HandLabelLit[t - 1] = g.HandCounts[t] > 0;
    look.ScoreGreen = g.FeeWonBack;
    return look;
}
