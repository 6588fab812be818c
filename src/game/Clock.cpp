#include "game/Clock.h"

#include "game/VbMath.h"

int TimerBonus(qint64 elapsedSeconds, int timerBonusStart)
{
    const auto bonus = ToInt16(static_cast<double>(timerBonusStart - 5 * elapsedSeconds));
    return bonus && *bonus >= 1 ? *bonus : 0;
}

int TimerBonus(const GameState& g)
{
    return TimerBonus(g.ElapsedSeconds, g.TimerBonusStart);
}

QString TimerText(qint64 elapsedSeconds, int timerBonusStart)
{
    const int bonus = TimerBonus(elapsedSeconds, timerBonusStart);
    if (bonus < 1)
        return QStringLiteral("  Timer Bonus: NONE  ");
    return QStringLiteral("  Timer Bonus: ") + FormatMoney(bonus) + QStringLiteral("  ");
}

QString StartingTimerText(const GameState& g)
{
    return QStringLiteral("  Timer Bonus: ") + FormatMoney(g.TimerBonusStart) + QStringLiteral("  ");
}

QString TickClock(GameState& g)
{
    ++g.ElapsedSeconds;
    return TimerText(g.ElapsedSeconds, g.TimerBonusStart);
}

bool ClockRuns(const GameState& g)
{
    return g.GameInProgress && g.CardsOnBoard < kDeckSize;
}
