#include "game/Deal.h"

#include "cardlib/CardDeck.h"
#include "game/CardState.h"
#include "game/DealNumber.h"
#include "game/VbMath.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {
constexpr int kDealColumns = 8;
constexpr int kDealRows = 7;
constexpr int kOutOfSight = -100;
} // namespace

void ResetForDeal(GameState& g)
{
    g.GameScore = 0;
    g.FeeWonBack = false;
    g.ScoreboardPending = true;
    g.HandsMade = 0;
    g.HandCounts.fill(0);
    g.SelectedCards.fill(0);
    g.GameInProgress = true;
    g.NumColumns = kDealColumns;
    g.NumRows = kDealRows;
    g.ColumnCardCount.fill(0);
    g.SelectedCount = 0;
    g.ElapsedSeconds = 0;
}

void PrepareDeck(GameState& g, CardDeck& cards)
{
    cards.SetDefaultValues();
    g.SelectedCount = 0;
    for (int i = 1; i <= kDeckSize; ++i) {
        g.Deck[i] = static_cast<CardId>(i);
        cards.DealCard(i, kOutOfSight, 0);
    }
}

void ShuffleDeck(GameState& g)
{
    uint32_t dealNumber = g.NextDealNumber;
    g.NextDealNumber = 0;
    if (dealNumber == 0) {
        // The time of day only picks the number; the board is the number's own.
        Randomize(SecondsSinceMidnight());
        dealNumber = DealNumberFor(Rnd());
    }
    ShuffleDeckNumbered(g, dealNumber);
}

void ShuffleDeckNumbered(GameState& g, uint32_t dealNumber)
{
    g.Deck = DealOrder(dealNumber);
    g.DealNumber = dealNumber;
}

void AssignJokerIds(GameState& g)
{
    int next = kFirstJokerId;
    for (int i = 1; i <= kDeckSize; ++i) {
        if (g.Deck[i] > 52)
            g.Deck[i] = static_cast<CardId>(next++);
    }
}

bool ReplaySavedDeck(GameState& g)
{
    // A replay of an incomplete deal would leave holes in the board.
    const bool complete = std::all_of(g.SavedDeck.begin() + 1, g.SavedDeck.end(), [](CardId id) { return id != 0; });
    if (!complete)
        return false;
    g.SameDeal = false;
    std::copy(g.SavedDeck.begin() + 1, g.SavedDeck.end(), g.Deck.begin() + 1);
    return true;
}

bool ArrangeDeck(GameState& g)
{
    if (g.SameDeal && ReplaySavedDeck(g))
        return false;
    g.SameDeal = false;
    ShuffleDeck(g);
    return true;
}

void ComputeBoardOrigin(GameState& g, int panelHeight, int handLabelHeight, int titleHeight)
{
    const double left = (g.BoardWidth - g.NumColumns * g.CardWidth) / 2.0 - g.CardWidth;
    const double usableHeight = g.BoardHeight - panelHeight - 1.5 * handLabelHeight + titleHeight;
    const double columnHeight = g.CardHeight + (g.NumRows - 1) * g.RowStep;
    const double top = (usableHeight - columnHeight) / 2.0 - g.RowStep;
    if (const auto v = ToInt16(left))
        g.BoardLeft = *v;
    if (const auto v = ToInt16(top))
        g.BoardTop = *v;
}

QPoint CellPosition(const GameState& g, int column, int row)
{
    return { g.BoardLeft + column * g.CardWidth, g.BoardTop + row * g.RowStep };
}

DealPlacement DealTarget(const GameState& g, int k)
{
    DealPlacement p;
    p.card = g.Deck[k];
    p.column = (k - 1) / kDealRows + 1;
    p.row = (k - 1) % kDealRows + 1;
    p.at = CellPosition(g, p.column, p.row);
    p.dealSound = k % 4 == 0;
    return p;
}

DealPlacement PlaceDealtCard(GameState& g, CardDeck& cards, int k)
{
    const DealPlacement p = DealTarget(g, k);
    g.CardsOnBoard = static_cast<int16_t>(k);
    ++g.ColumnCardCount[p.column];

    cards.SetCardX(p.card, p.at.x());
    cards.SetCardY(p.card, p.at.y());
    g.CardGrid(p.column, p.row) = p.card;
    SetCell(cards, p.card, p.column, p.row);
    return p;
}

void FinishLayOut(GameState& g)
{
    std::copy(g.Deck.begin() + 1, g.Deck.end(), g.SavedDeck.begin() + 1);
    g.ActiveColumns = g.NumColumns;
}

std::vector<DealPlacement> LayOutBoard(GameState& g, CardDeck& cards)
{
    std::vector<DealPlacement> placements;
    placements.reserve(kDeckSize);
    for (int k = 1; k <= kDeckSize; ++k)
        placements.push_back(PlaceDealtCard(g, cards, k));
    FinishLayOut(g);
    return placements;
}

int32_t PlayerAverage(int32_t bankroll, int32_t gamesPlayed)
{
    if (gamesPlayed == 0)
        return 0;
    // Only a negative games count can take the quotient past 32 bits.
    const double average = std::clamp(static_cast<double>(bankroll) / gamesPlayed,
        double { std::numeric_limits<int32_t>::min() }, double { std::numeric_limits<int32_t>::max() });
    return ToInt32(average).value_or(0);
}

int32_t PlayerAverage(const GameState& g)
{
    return PlayerAverage(g.Bankroll, g.GamesPlayed);
}

QString PlayerStatusLine(const GameState& g)
{
    const int32_t average = PlayerAverage(g);
    QString line
        = QStringLiteral("Player: ") + g.PlayerName + QStringLiteral("     Bankroll: ") + FormatMoney(g.Bankroll);
    if (average >= 0)
        line += QStringLiteral("     Average Score: ") + FormatMoney(average);
    return line;
}
