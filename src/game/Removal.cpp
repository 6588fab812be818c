#include "game/Removal.h"

#include "cardlib/CardDeck.h"
#include "game/CardState.h"

namespace {
constexpr int kSlots = 5;

int ColumnX(const GameState& g, int column)
{
    return g.BoardLeft + column * g.CardWidth;
}

int RowY(const GameState& g, int row)
{
    return g.BoardTop + row * g.RowStep;
}

void LeaveSelection(GameState& g, CardDeck& cards, CardId card)
{
    // Only picked cards are removed in play; the guard keeps the count sound otherwise.
    if (IsPicked(cards, card))
        --g.SelectedCount;
    SetPicked(cards, card, false);
    const int slot = card >= 0 && card < static_cast<int>(g.SelectedSlot.size()) ? g.SelectedSlot[card] : -1;
    if (slot >= 0 && slot < kSlots && g.SelectedCards[slot] == card)
        g.SelectedCards[slot] = 0;
}

void ShiftColumnLeft(GameState& g, CardDeck& cards, int column)
{
    for (int r = 1; r <= g.NumRows; ++r) {
        const CardId card = g.CardGrid(column + 1, r);
        if (card == 0)
            continue;
        g.CardGrid(column, r) = card;
        g.CardGrid(column + 1, r) = 0;
        SetCell(cards, card, column, r);
        cards.SetCardX(card, cards.GetCardX(card) - g.CardWidth);
    }
}
} // namespace

QRect ColumnEraseRect(const GameState& g, int column)
{
    return { ColumnX(g, column), RowY(g, 1), kClearCardsWidth, g.CardHeight + (g.NumRows - 1) * g.RowStep };
}

std::optional<RemovalStep> RemoveCardAndDrop(GameState& g, CardDeck& cards, CardId card)
{
    const int c = ColumnOf(cards, card);
    const int r = RowOf(cards, card);
    if (card == 0 || c < 1 || c > g.NumColumns || r < 1 || r > g.NumRows || g.CardGrid(c, r) != card)
        return std::nullopt;

    RemovalStep step;
    step.card = card;
    step.column = c;
    step.row = r;
    step.removedAt = cards.Position(card);

    LeaveSelection(g, cards, card);
    --g.ColumnCardCount[c];

    for (int k = 0; k <= r - 1; ++k) {
        if (k == r - 1) {
            g.CardGrid(c, 1) = 0;
            break;
        }
        const CardId above = g.CardGrid(c, r - k - 1);
        g.CardGrid(c, r - k) = above;
        if (above != 0) {
            cards.SetCardY(above, step.removedAt.y() - k * g.RowStep);
            SetCell(cards, above, c, r - k);
        }
    }

    const int x = step.removedAt.x();
    if (g.ColumnCardCount[c] == 0) {
        step.kind = RemovalCase::ColumnEmptied;
        step.erase = QRect(step.removedAt, QSize(g.CardWidth, g.CardHeight));
    } else {
        if (r == g.NumRows) {
            step.kind = RemovalCase::BottomRemoved;
            step.copySource = QRect(x, RowY(g, 1), g.CardWidth, r * g.RowStep);
            step.newBottom = g.CardGrid(c, g.NumRows);
            step.newBottomAt = cards.Position(step.newBottom);
        } else {
            step.kind = RemovalCase::AboveRemoved;
            step.copySource = QRect(x, RowY(g, 1), g.CardWidth, (r - 1) * g.RowStep);
        }
        step.copyTarget = QPoint(x, RowY(g, 2));
        const int topRow = g.NumRows - g.ColumnCardCount[c] + 1;
        const int topY = RowY(g, topRow);
        step.erase = QRect(x, topY - g.RowStep, g.CardWidth, g.RowStep);
    }

    cards.SetCardX(card, kParkedPosition.x());
    cards.SetCardY(card, kParkedPosition.y());
    return step;
}

std::vector<RemovalStep> RemoveSelectedCards(GameState& g, CardDeck& cards)
{
    std::vector<RemovalStep> steps;
    for (int i = 0; i < kSlots; ++i) {
        const CardId card = g.SelectedCards[i];
        if (!IsPicked(cards, card))
            continue;
        if (auto step = RemoveCardAndDrop(g, cards, card))
            steps.push_back(*step);
    }
    return steps;
}

CloseUp CloseUpColumns(GameState& g, CardDeck& cards)
{
    CloseUp result;
    for (int i = 1; i <= g.ActiveColumns - 1; ++i) {
        if (g.ColumnCardCount[i] == 0 && g.ColumnCardCount[i + 1] != 0) {
            result.colGoneSound = true;
            break;
        }
    }

    for (int i = 1; i <= g.ActiveColumns; ++i) {
        if (g.ColumnCardCount[i] != 0)
            continue;
        for (int j = i; j <= g.ActiveColumns - 1; ++j) {
            ColumnShift shift;
            shift.from = j + 1;
            shift.to = j;
            shift.copySource = QRect(ColumnX(g, j + 1), RowY(g, 1), g.CardWidth, kClearCardsHeight);
            shift.copyTarget = QPoint(ColumnX(g, j), RowY(g, 1));
            shift.erase = ColumnEraseRect(g, j + 1);
            result.shifts.push_back(shift);
            g.ColumnCardCount[j] = g.ColumnCardCount[j + 1];
        }
        for (int column = i; column <= g.ActiveColumns - 1; ++column)
            ShiftColumnLeft(g, cards, column);
        // The column given up on the right holds nothing now.
        g.ColumnCardCount[g.ActiveColumns] = 0;
        --g.ActiveColumns;
        --i; // the column that moved in may be empty too
    }
    return result;
}
