#pragma once

// A card's state on the board, kept in the card library's user values:
// value 2 is its picked flag (-1 picked, 0 not), values 3 and 4 its column
// and row. A card off the board is parked at x <= 0.

#include "cardlib/CardDeck.h"
#include "game/GameState.h"

inline bool IsPicked(const CardDeck& cards, CardId card)
{
    return card != 0 && cards.GetUser2(card) == -1;
}

inline void SetPicked(CardDeck& cards, CardId card, bool picked)
{
    cards.SetUser2(card, picked ? -1 : 0);
}

inline int ColumnOf(const CardDeck& cards, CardId card)
{
    return cards.GetUser3(card);
}

inline int RowOf(const CardDeck& cards, CardId card)
{
    return cards.GetUser4(card);
}

inline void SetCell(CardDeck& cards, CardId card, int column, int row)
{
    cards.SetUser3(card, column);
    cards.SetUser4(card, row);
}

inline bool IsOnBoard(const CardDeck& cards, CardId card)
{
    return cards.GetCardX(card) > 0;
}
