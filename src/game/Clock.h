#pragma once

// The timer bonus: TimerBonusStart less 5 dollars a second, nothing below 1.

#include "game/GameState.h"

#include <QString>

// The bonus for ElapsedSeconds, or 0 when it is below 1 or does not fit 16 bits.
int TimerBonus(const GameState& g);
int TimerBonus(qint64 elapsedSeconds, int timerBonusStart);

// The lblTimer read-out: "  Timer Bonus: $5  " or "  Timer Bonus: NONE  ".
QString TimerText(qint64 elapsedSeconds, int timerBonusStart);
// The read-out before the clock has run: the whole TimerBonusStart.
QString StartingTimerText(const GameState& g);
// One second of the game clock: ElapsedSeconds counts it; returns the new read-out.
QString TickClock(GameState& g);

// The clock runs in a game in progress once a card has left the board.
bool ClockRuns(const GameState& g);
