#pragma once

// A stand-in for the window in the rules tests of a play: it writes down
// every call it is told, with the state the window would read at that moment.

#include "game/GameState.h"
#include "game/Play.h"

#include <QStringList>

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
    void Removal(const RemovalStep& step) override
    {
        log << QStringLiteral("remove %1").arg(step.card);
        activeBefore_ = g_.ActiveColumns; // removals close no column
    }
    // How many columns the close-up closed.
    void ColumnsClosed(const CloseUp&, int handLabel) override
    {
        const int closed = activeBefore_ < 0 ? 0 : activeBefore_ - g_.ActiveColumns;
        activeBefore_ = -1;
        log << QStringLiteral("closed %1 label %2").arg(closed).arg(handLabel);
    }
    void GameOver(GameEnd end) override { log << QStringLiteral("over %1").arg(static_cast<int>(end)); }
    void ClockStarts() override { log << QStringLiteral("clock"); }
    void FeeWonBack() override { log << QStringLiteral("green"); }

private:
    const GameState& g_;
    int activeBefore_ = -1;
};
