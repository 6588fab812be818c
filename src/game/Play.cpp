#include "game/Play.h"

#include "cardlib/CardDeck.h"
#include "game/Clock.h"
#include "game/Judge.h"
#include "game/Removal.h"
#include "game/Selection.h"
#include "game/Undo.h"

namespace {
constexpr int kMisplaysBeforeHelp = 3;

void Misplay(int& misplayCount, PlayShow& show)
{
    if (CountMisplay(misplayCount))
        show.ThirdMisplay();
}
} // namespace

bool CountMisplay(int& misplayCount)
{
    if (++misplayCount != kMisplaysBeforeHelp)
        return false;
    misplayCount = 0;
    return true;
}

void PickForPlay(GameState& g, CardDeck& cards, CardId card, int& misplayCount, PlayShow& show)
{
    if (g.SelectedCount >= 5) {
        show.Refused();
        Misplay(misplayCount, show);
        show.PlayNote(false);
        return;
    }
    misplayCount = 0;
    const int slot = PickCard(g, cards, card);
    if (slot >= 0)
        show.Picked(card, slot);
}

void DropFromPlay(GameState& g, CardDeck& cards, CardId card, PlayShow& show)
{
    show.Dropped(card, DropCard(g, cards, card));
}

bool SubmitPlay(GameState& g, CardDeck& cards, UndoRecord& undo, int& misplayCount, PlayShow& show)
{
    const AdjacencyResult adjacency = CheckAdjacent(g, cards);
    if (adjacency.Refused) {
        show.Refused();
        Misplay(misplayCount, show);
        show.PlayNote(false);
        return true;
    }
    if (adjacency.AdjacentLinks == 0)
        return true;

    const UndoCounters before = KeepUndoCounters(g);
    const Judgement verdict = JudgeSelection(g);
    switch (verdict.verdict) {
    case Verdict::Hand:
        if (verdict.royalDing)
            show.RoyalDing();
        show.PlayNote(false);
        break;
    case Verdict::JokerRemoval:
        show.PlayNote(false);
        break;
    case Verdict::Refused:
        show.Refused();
        Misplay(misplayCount, show);
        show.PlayNote(false);
        break;
    case Verdict::JokersRefused:
        show.PlayNote(true);
        ApplyJokersNotePenalty(g);
        show.Refused();
        Misplay(misplayCount, show);
        break;
    case Verdict::Nothing:
        break;
    }
    show.Score();
    if (!verdict.accepted()) {
        // A hand the judgement refused counts a second misplay.
        if (verdict.verdict != Verdict::Nothing)
            Misplay(misplayCount, show);
        return false;
    }
    show.HandAccepted(verdict.handType, verdict.points);

    SaveUndoBoard(undo, g, cards, before);
    show.UndoEnabled();
    for (const RemovalStep& step : RemoveSelectedCards(g, cards))
        show.Removal(step);
    show.ColumnsClosed(CloseUpColumns(g, cards), verdict.handLabel());
    if (const std::optional<GameEnd> end = EndGameIfNoPlays(g, cards))
        show.GameOver(*end);
    if (ClockRuns(g))
        show.ClockStarts();
    return true;
}

std::optional<GameEnd> EndGameIfNoPlays(GameState& g, const CardDeck& cards)
{
    if (PlaysLeft(g, cards))
        return std::nullopt;
    return EndGameNoPlaysLeft(g);
}

void CloseRelease(GameState& g, PlayShow& show)
{
    if (MarkFeeWonBack(g))
        show.FeeWonBack();
}

void ForfeitGame(GameState& g)
{
    ClearSelection(g);
    g.GameInProgress = false;
}
