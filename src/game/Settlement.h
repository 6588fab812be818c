#pragma once

// The end-of-game arithmetic of a won game: the bonuses, the count-ups the
// scoreboard shows, the final score and what it does to the bankroll.
//
// The scoreboard's figures are 16-bit on screen. They are computed here in
// wider integers from the 16-bit inputs, where none of them can overflow; the
// 32-bit sums (final score, bankroll) stop at the 32-bit limits instead of
// wrapping, and the average is the real one, however large.

#include "game/Clock.h"
#include "game/GameState.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

inline constexpr int kFullDeck = 56;

// The hand types made at least once in the game, lowest first, and their number.
QList<int> HandTypesMade(const GameState& g);
int DifferentHands(const GameState& g);
// The bonus lines' amounts for a count: count x DifferentHandsBonus, count x CardRemovedBonus.
int32_t DifferentHandsAmount(const GameState& g, int differentHands);
int32_t CardsRemovedAmount(const GameState& g, int cardsRemoved);
// A hand row's total: count x points.
int32_t HandRowTotal(const GameState& g, int handType);
int CardsRemoved(const GameState& g);

// The timer bonus itself is TimerBonus(g) of the game clock.
// The count-up step of a timer bonus: 100 above 300, 50 above 200, 20 above 100, else 10.
int TimerBonusStep(int32_t timerBonus);

// The figures a count-up shows, the last one always the exact value:
// game score 0, 100, 200, ...; cards removed 1, 4, 7, ...; timer bonus 0 and
// its steps (empty when there is no timer bonus).
QList<int32_t> GameScoreCountUp(int32_t gameScore);
QList<int32_t> CardsRemovedCountUp(int cardsRemoved);
QList<int32_t> TimerBonusCountUp(int32_t timerBonus);

// The bonus for 10 cards or fewer left on the board, with its message.
struct ClearedBoardBonus {
    int32_t Bonus = 0;
    QString Message; // ends in two blanks
};
std::optional<ClearedBoardBonus> ClearedBonusFor(int cardsOnBoard);
// The "Cards Cleared" notice: the message and the amount earned.
QString ClearedBonusNotice(const ClearedBoardBonus& cleared);

struct Settlement {
    int32_t GameScore = 0; // hand points, as the game ended
    int DifferentHands = 0;
    int32_t DifferentHandsTotal = 0;
    int CardsRemoved = 0;
    int32_t CardsRemovedTotal = 0;
    int32_t CardsRemovedWithCleared = 0; // the cards removed line once the cleared-board bonus is added
    int32_t TimerBonus = 0;
    int32_t ScoreWithBonuses = 0; // game score + the three bonuses
    std::optional<ClearedBoardBonus> Cleared;
    int32_t FinalScore = 0; // ScoreWithBonuses + the cleared-board bonus
    int32_t Bankroll = 0; // after the final score is credited
};

// The figures of g's won game, g left unchanged.
Settlement ComputeSettlement(const GameState& g);
// Computes the settlement and applies it: GameScore becomes the final score
// and the bankroll is credited with it.
Settlement SettleGame(GameState& g);

// Takes the entry fee of a new game or a paid replay and counts the game:
// the bankroll and the games count stop at their 32-bit limits, never wrap.
void ChargeEntryFee(GameState& g);
// A new game: a fresh shuffle (SameDeal cleared), the fee not yet won back,
// the fee charged and the game counted.
void StartNewGame(GameState& g);
// The scoreboard's "Same Deal": the deal is replayed and paid like a new game.
void StartPaidReplay(GameState& g);
// A restart or the statistics' "Same Deal": the deal is replayed at no cost
// and no game is counted.
void StartFreeReplay(GameState& g);
