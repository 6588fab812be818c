#include "game/PlayOut.h"

#include "game/Deal.h"
#include "game/Judge.h"
#include "game/PlaySearch.h"
#include "game/Removal.h"
#include "game/Selection.h"
#include "game/Settlement.h"

Position DealtPosition(uint32_t dealNumber)
{
    Position p;
    GameState& g = p.g;
    SetGameConstants(g);
    g.CardWidth = CardDeck::kCardWidth;
    g.CardHeight = CardDeck::kCardHeight;
    g.RowStep = 50;
    // Every cell lies right of x = 0: the play search takes x <= 0 for off the board.
    g.BoardLeft = 0;
    g.BoardTop = 0;
    ResetForDeal(g);
    PrepareDeck(g, p.cards);
    ShuffleDeckNumbered(g, dealNumber);
    LayOutBoard(g, p.cards);
    return p;
}

bool MakePlay(Position& p, const LegalPlay& play)
{
    GameState& g = p.g;
    for (int i = 0; i < play.count; ++i)
        PickCard(g, p.cards, play.cards[i]);
    if (CheckAdjacent(g, p.cards).AdjacentLinks == 0 || !JudgeSelection(g).accepted()) {
        for (int i = 0; i < play.count; ++i)
            DropCard(g, p.cards, play.cards[i]);
        return false;
    }
    RemoveSelectedCards(g, p.cards);
    CloseUpColumns(g, p.cards);
    return true;
}

bool GameGoesOn(const Position& p)
{
    return PlaysLeft(p.g, p.cards);
}

int32_t ScoreWithoutTimer(const GameState& g)
{
    const Settlement s = ComputeSettlement(g);
    return s.FinalScore - s.TimerBonus;
}
