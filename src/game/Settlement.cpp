#include "game/Settlement.h"

#include "game/Deal.h"

#include <algorithm>
#include <limits>

namespace {

int32_t Clamp32(int64_t value)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

QList<int32_t> CountUp(int64_t from, int64_t step, int32_t last)
{
    QList<int32_t> shown;
    for (int64_t i = from; i <= last; i += step)
        shown.append(static_cast<int32_t>(i));
    shown.append(last);
    return shown;
}

} // namespace

QList<int> HandTypesMade(const GameState& g)
{
    QList<int> made;
    for (int t = 1; t <= kNumHandTypes; ++t) {
        if (g.HandCounts[t] > 0)
            made.append(t);
    }
    return made;
}

int DifferentHands(const GameState& g)
{
    // Counted without a list: the par search asks it for every position.
    int made = 0;
    for (int t = 1; t <= kNumHandTypes; ++t)
        made += g.HandCounts[t] > 0 ? 1 : 0;
    return made;
}

int32_t DifferentHandsAmount(const GameState& g, int differentHands)
{
    return Clamp32(int64_t { differentHands } * g.DifferentHandsBonus);
}

int32_t CardsRemovedAmount(const GameState& g, int cardsRemoved)
{
    return Clamp32(int64_t { cardsRemoved } * g.CardRemovedBonus);
}

int32_t HandRowTotal(const GameState& g, int handType)
{
    if (handType < 1 || handType > kNumHandTypes)
        return 0;
    return int32_t { g.HandCounts[handType] } * g.HandPoints[handType];
}

int CardsRemoved(const GameState& g)
{
    return kFullDeck - g.CardsOnBoard;
}

int TimerBonusStep(int32_t timerBonus)
{
    if (timerBonus > 300)
        return 100;
    if (timerBonus > 200)
        return 50;
    if (timerBonus > 100)
        return 20;
    return 10;
}

QList<int32_t> GameScoreCountUp(int32_t gameScore)
{
    return CountUp(0, 100, gameScore);
}

QList<int32_t> CardsRemovedCountUp(int cardsRemoved)
{
    return CountUp(1, 3, cardsRemoved);
}

QList<int32_t> TimerBonusCountUp(int32_t timerBonus)
{
    if (timerBonus < 1)
        return {};
    return CountUp(0, TimerBonusStep(timerBonus), timerBonus);
}

std::optional<ClearedBoardBonus> ClearedBonusFor(int cardsOnBoard)
{
    static const struct {
        int32_t bonus;
        const char* message;
    } table[] = {
        { 2000, "Amazing!!!  You cleared ALL of the cards!  " },
        { 1500, "Wow!!!  You cleared all but 1 card!  " },
        { 1200, "Great Job!!!  You cleared all but 2 cards!  " },
        { 1000, "WOW!!!  You cleared all but 3 cards!  " },
        { 750, "Superb!!!  You cleared all but 4 cards!  " },
        { 600, "Very nice!!!  You cleared all but 5 cards!  " },
        { 500, "Good Job!!!  You cleared all but 6 cards!  " },
        { 400, "Sweet!!!  You cleared all but 7 cards!  " },
        { 300, "Not Bad!!!  You cleared all but 8 cards!  " },
        { 200, "Good!!!  You cleared all but 9 cards!  " },
        { 100, "Pretty Good!!!  You cleared all but 10 cards!  " },
    };
    if (cardsOnBoard < 0 || cardsOnBoard > 10)
        return std::nullopt;
    return ClearedBoardBonus { table[cardsOnBoard].bonus, QString::fromLatin1(table[cardsOnBoard].message) };
}

QString ClearedBonusNotice(const ClearedBoardBonus& cleared)
{
    return cleared.Message + QStringLiteral("You have just earned a ") + FormatMoney(cleared.Bonus)
        + QStringLiteral(" bonus.");
}

Settlement ComputeSettlement(const GameState& g)
{
    Settlement s;
    s.GameScore = g.GameScore;
    s.DifferentHands = DifferentHands(g);
    s.DifferentHandsTotal = DifferentHandsAmount(g, s.DifferentHands);
    s.CardsRemoved = CardsRemoved(g);
    s.CardsRemovedTotal = CardsRemovedAmount(g, s.CardsRemoved);
    s.TimerBonus = TimerBonus(g);
    s.ScoreWithBonuses = Clamp32(int64_t { g.GameScore } + s.DifferentHandsTotal + s.CardsRemovedTotal + s.TimerBonus);
    s.Cleared = ClearedBonusFor(g.CardsOnBoard);
    const int32_t clearedBonus = s.Cleared ? s.Cleared->Bonus : 0;
    s.CardsRemovedWithCleared = Clamp32(int64_t { s.CardsRemovedTotal } + clearedBonus);
    s.FinalScore = Clamp32(int64_t { s.ScoreWithBonuses } + clearedBonus);
    s.Bankroll = Clamp32(int64_t { g.Bankroll } + s.FinalScore);
    return s;
}

void ChargeEntryFee(GameState& g)
{
    g.Bankroll = Clamp32(int64_t { g.Bankroll } - g.EntryFee);
    g.GamesPlayed = Clamp32(int64_t { g.GamesPlayed } + 1);
}

Settlement SettleGame(GameState& g)
{
    const Settlement s = ComputeSettlement(g);
    g.GameScore = s.FinalScore;
    g.Bankroll = s.Bankroll;
    return s;
}

void StartNewGame(GameState& g)
{
    g.SameDeal = false;
    g.FeeWonBack = false;
    ChargeEntryFee(g);
}

void StartPaidReplay(GameState& g)
{
    g.SameDeal = true;
    ChargeEntryFee(g);
}

void StartFreeReplay(GameState& g)
{
    g.SameDeal = true;
}
