#include "game/Selection.h"

#include "cardlib/CardDeck.h"
#include "game/CardState.h"

namespace {
constexpr int kSlots = 5;

struct Cell {
    int column = 0;
    int row = 0;
};

Cell CellOf(const CardDeck& cards, CardId card)
{
    return { ColumnOf(cards, card), RowOf(cards, card) };
}

bool InsideGrid(int column, int row)
{
    return column >= 1 && column < kGridSize && row >= 1 && row < kGridSize;
}

CardId CardAt(const GameState& g, int column, int row)
{
    return InsideGrid(column, row) ? g.CardGrid(column, row) : CardId { 0 };
}
} // namespace

CardId CardAbove(const GameState& g, const CardDeck& cards, CardId card)
{
    if (card == 0)
        return 0;
    const Cell c = CellOf(cards, card);
    return c.row - 1 > 0 ? CardAt(g, c.column, c.row - 1) : CardId { 0 };
}

CardId CardBelow(const GameState& g, const CardDeck& cards, CardId card)
{
    if (card == 0)
        return 0;
    const Cell c = CellOf(cards, card);
    return c.row + 1 <= g.NumRows ? CardAt(g, c.column, c.row + 1) : CardId { 0 };
}

CardId CardLeft(const GameState& g, const CardDeck& cards, CardId card)
{
    if (card == 0)
        return 0;
    const Cell c = CellOf(cards, card);
    return c.column - 1 > 0 ? CardAt(g, c.column - 1, c.row) : CardId { 0 };
}

CardId CardRight(const GameState& g, const CardDeck& cards, CardId card)
{
    if (card == 0)
        return 0;
    const Cell c = CellOf(cards, card);
    return c.column + 1 <= g.ActiveColumns ? CardAt(g, c.column + 1, c.row) : CardId { 0 };
}

AdjacencyResult CheckAdjacent(const GameState& g, const CardDeck& cards)
{
    return CheckAdjacent(g, cards, g.SelectedCards);
}

AdjacencyResult CheckAdjacent(const GameState& g, const CardDeck& cards, const std::array<CardId, 5>& picked)
{
    AdjacencyResult result;
    int n = 0;
    CardId only = 0;
    for (const CardId card : picked) {
        if (card == 0)
            continue;
        ++n;
        only = card;
        const Cell c = CellOf(cards, card);
        if (IsJoker(card) && c.row == g.NumRows) {
            // A joker on the bottom row may take any card of the board with it.
            result.AdjacentLinks = 1;
            return result;
        }
        const CardId neighbours[] = {
            c.column - 1 >= 1 ? CardAt(g, c.column - 1, c.row) : CardId { 0 },
            c.column + 1 <= g.ActiveColumns ? CardAt(g, c.column + 1, c.row) : CardId { 0 },
            c.row - 1 >= 1 ? CardAt(g, c.column, c.row - 1) : CardId { 0 },
            c.row + 1 <= g.NumRows ? CardAt(g, c.column, c.row + 1) : CardId { 0 },
        };
        for (const CardId neighbour : neighbours) {
            if (neighbour == 0)
                continue;
            for (const CardId other : picked) {
                if (other == neighbour)
                    ++result.AdjacentLinks;
            }
        }
    }
    if (n == 1 && IsJoker(only)) {
        result.AdjacentLinks = 1;
        return result;
    }
    if (result.AdjacentLinks >= 2 * (n - 1))
        return result;
    result.AdjacentLinks = 0;
    result.Refused = true;
    return result;
}

int LowestFreeSlot(const GameState& g, const CardDeck& cards)
{
    for (int i = 0; i < kSlots; ++i) {
        const CardId card = g.SelectedCards[i];
        if (card == 0 || !IsPicked(cards, card))
            return i;
    }
    return -1;
}

int PickCard(GameState& g, CardDeck& cards, CardId card)
{
    if (card <= 0 || card >= static_cast<int>(g.SelectedSlot.size()) || g.SelectedCount >= kSlots)
        return -1;
    const int slot = LowestFreeSlot(g, cards);
    if (slot < 0)
        return -1;
    g.SelectedCards[slot] = card;
    ++g.SelectedCount;
    g.SelectedSlot[card] = static_cast<int16_t>(slot);
    SetPicked(cards, card, true);
    return slot;
}

int DropCard(GameState& g, CardDeck& cards, CardId card)
{
    if (!IsPicked(cards, card) || card >= static_cast<int>(g.SelectedSlot.size()))
        return -1;
    const int slot = g.SelectedSlot[card];
    SetPicked(cards, card, false);
    if (slot >= 0 && slot < kSlots)
        g.SelectedCards[slot] = 0;
    --g.SelectedCount;
    return slot;
}

void ClearSelection(GameState& g)
{
    g.SelectedCards.fill(0);
    g.SelectedCount = 0;
}

QPoint MarkerPosition(const CardDeck& cards, CardId card)
{
    return { cards.GetCardX(card) + 15, cards.GetCardY(card) + 17 };
}

bool MarkFeeWonBack(GameState& g)
{
    if (g.GameScore < g.EntryFee || g.FeeWonBack)
        return false;
    g.FeeWonBack = true;
    return true;
}
