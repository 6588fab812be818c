#include "game/GameState.h"

GameState& Game()
{
    static GameState state;
    return state;
}

void SetGameConstants(GameState& g)
{
    g.EntryFee = 1000;
    g.DifferentHandsBonus = 250;
    g.CardRemovedBonus = 50;
    g.TimerBonusStart = 2000;
    g.HandPoints = { 0, 50, 125, 175, 200, 200, 250, 500, 1000, 2000 };
}

QString HandName(int handType)
{
    static const char* const names[] = { "", "1 Pair", "2 Pairs", "3 of a Kind", "Straight", "Flush", "Full House",
        "4 of a Kind", "Straight Flush", "Royal Flush" };
    return handType >= 1 && handType <= kNumHandTypes ? QString::fromLatin1(names[handType]) : QString();
}

QString FormatMoney(qint64 amount)
{
    // The grouping is written out rather than taken from QLocale so that every
    // amount reads the same whatever the desktop's language.
    const QString digits = QString::number(amount < 0 ? -amount : amount);
    QString grouped;
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += QLatin1Char(',');
        grouped += digits[i];
    }
    return (amount < 0 ? QStringLiteral("-$") : QStringLiteral("$")) + grouped;
}
