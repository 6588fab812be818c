#pragma once

// Hand-built boards for the rules tests: cards go through CardDeck the way
// the deal places them (position, column and row values), and the grid,
// column counts and Deck follow.

#include "cardlib/CardDeck.h"
#include "game/CardState.h"
#include "game/Deal.h"
#include "game/GameState.h"
#include "game/Selection.h"

#include <QStringList>

#include <vector>

enum Suits { Clubs = 1, Diamonds, Hearts, Spades };

// Rank 1..13 (Ace 1), suit 1..4 (clubs, diamonds, hearts, spades).
inline CardId Card(int rank, int suit)
{
    return static_cast<CardId>((suit - 1) * 13 + rank);
}

// "7C QH AS 10D"; a bare number is a card id as it is (jokers: "110").
inline std::vector<CardId> Cards(const char* text)
{
    std::vector<CardId> ids;
    for (QString t : QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool isId = false;
        const int id = t.toInt(&isId);
        const int rank
            = QStringLiteral("A23456789TJQK").indexOf(t.replace(QStringLiteral("10"), QStringLiteral("T"))[0]);
        ids.push_back(isId ? static_cast<CardId>(id) : Card(rank + 1, QStringLiteral("CDHS").indexOf(t.back()) + 1));
    }
    return ids;
}

// The cards on the board, column by column, top to bottom.
inline std::vector<CardId> OnBoard(const GameState& g)
{
    std::vector<CardId> cards;
    for (int c = 1; c <= g.ActiveColumns; ++c)
        for (int r = 1; r <= g.NumRows; ++r)
            if (g.CardGrid(c, r) != 0)
                cards.push_back(g.CardGrid(c, r));
    return cards;
}

struct TestBoard {
    GameState g;
    CardDeck cards;
    int dealt = 0;

    TestBoard()
    {
        SetGameConstants(g);
        g.CardWidth = 71;
        g.CardHeight = 96;
        g.RowStep = 50;
        g.NumColumns = 8;
        g.NumRows = 7;
        g.BoardLeft = 20;
        g.BoardTop = 10;
        g.GameInProgress = true;
        for (int i = 1; i <= 56; ++i)
            cards.DealCard(i, -100, 0);
    }

    // Column c holds these cards, listed from the top one down to the bottom one.
    void Column(int c, const std::vector<CardId>& topToBottom)
    {
        int r = g.NumRows - static_cast<int>(topToBottom.size()) + 1;
        for (const CardId card : topToBottom) {
            g.CardGrid(c, r) = card;
            cards.DealCard(card, g.BoardLeft + c * g.CardWidth, g.BoardTop + r * g.RowStep);
            SetCell(cards, card, c, r);
            ++g.ColumnCardCount[c];
            ++g.CardsOnBoard;
            g.Deck[++dealt] = card;
            if (c > g.ActiveColumns)
                g.ActiveColumns = static_cast<int16_t>(c);
            ++r;
        }
    }
    void Column(int c, const char* topToBottom) { Column(c, Cards(topToBottom)); }

    // Columns from column 1 on, split by '|', each listed top to bottom.
    void Lay(const char* columns)
    {
        int c = 0;
        for (const QString& column : QString::fromLatin1(columns).split(QLatin1Char('|')))
            Column(++c, qPrintable(column));
    }

    // One card in each of the columns from `first` on, all in the bottom row.
    void BottomRow(int first, const char* leftToRight)
    {
        int c = first;
        for (const CardId card : Cards(leftToRight))
            Column(c++, { card });
    }

    // Picks the cards as the player would, each into the lowest free slot.
    void Pick(const std::vector<CardId>& picked)
    {
        for (const CardId card : picked)
            PickCard(g, cards, card);
    }
};
