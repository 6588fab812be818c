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

namespace {
QString TimerCaption(const QString& amount)
{
    return QStringLiteral("  Timer Bonus: ") + amount + QStringLiteral("  ");
}
} // namespace

QString TimerText(qint64 elapsedSeconds, int timerBonusStart)
{
    const int bonus = TimerBonus(elapsedSeconds, timerBonusStart);
    return TimerCaption(bonus < 1 ? QStringLiteral("NONE") : FormatMoney(bonus));
}

QString StartingTimerText(const GameState& g)
{
    return TimerCaption(FormatMoney(g.TimerBonusStart));
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
