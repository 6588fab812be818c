#pragma once

// A stand-in for the window in the rules tests of a play: it writes down
// every call it is told, with the state the window would read at that moment.

#include "game/BoardHelper.h"
#include "game/CardState.h"
#include "game/GameState.h"
#include "game/Play.h"
#include "game/Removal.h"
#include "game/Undo.h"

#include <QStringList>

#include <tuple>
#include <vector>

class ShowLog final : public PlayShow {
public:
    explicit ShowLog(const GameState& g)
        : g_(g)
    {
    }
    QStringList log;

    void Picked(CardId card, int slot) override { log << QStringLiteral("pick %1@%2").arg(card).arg(slot); }
    void Dropped(CardId card, int slot) override { log << QStringLiteral("drop %1@%2").arg(card).arg(slot); }
    void Refused() override { log << QStringLiteral("error"); }
    void ThirdMisplay() override { log << QStringLiteral("instructions"); }
    void PlayNote(bool jokersNote) override { log << (jokersNote ? QStringLiteral("jokers") : QStringLiteral("note")); }
    void RoyalDing() override { log << QStringLiteral("ding"); }
    void Score() override { log << QStringLiteral("score %1").arg(g_.GameScore); }
    void HandAccepted(int, int) override { }
    void UndoEnabled() override { log << QStringLiteral("undo %1").arg(g_.CardsOnBoard); }
    void Removal(const RemovalStep& step) override { log << QStringLiteral("remove %1").arg(step.card); }
    // The columns left after the close-up, and the label that lights.
    void ColumnsClosed(const CloseUp&, int handLabel) override
    {
        log << QStringLiteral("columns %1 label %2").arg(g_.ActiveColumns).arg(handLabel);
    }
    void GameOver(GameEnd end) override { log << QStringLiteral("over %1").arg(static_cast<int>(end)); }
    void ClockStarts() override { log << QStringLiteral("clock"); }
    void FeeWonBack() override { log << QStringLiteral("green"); }

private:
    const GameState& g_;
};

// A hand-built board played as the window plays it, with its undo record and misplay count.
struct Table {
    TestBoard b;
    UndoRecord undo;
    int misplays = 0;
    ShowLog show { b.g };

    // Picks or lets go of these cards as the player's clicks do; what was shown.
    QStringList Pick(const char* picks)
    {
        show.log.clear();
        for (const CardId card : Cards(picks))
            PickForPlay(b.g, b.cards, card, misplays, show);
        return show.log;
    }
    QStringList Drop(const char* picked)
    {
        show.log.clear();
        for (const CardId card : Cards(picked))
            DropFromPlay(b.g, b.cards, card, show);
        return show.log;
    }
    // A whole mouse release: picks, then the submission and the closing step; what the submission showed.
    QStringList Play(const char* picks)
    {
        Pick(picks);
        show.log.clear();
        if (SubmitPlay(b.g, b.cards, undo, misplays, show))
            CloseRelease(b.g, show);
        return show.log;
    }
    // The board, and each listed card's place, column and row.
    auto Snapshot(const char* watched) const
    {
        std::vector<std::tuple<QPoint, int, int>> at;
        for (const CardId card : Cards(watched))
            at.emplace_back(b.cards.Position(card), ColumnOf(b.cards, card), RowOf(b.cards, card));
        return std::tuple(b.g.CardGrid, b.g.ActiveColumns, b.g.ColumnCardCount, at);
    }
};
