#include "game/Judge.h"

#include "cardlib/CardDeck.h"
#include "game/FiveCardHand.h"

#include <algorithm>

namespace {
constexpr int kJokerRemoval = -1;
constexpr int kJokersNotePenaltySeconds = 50;

int Value(CardId card)
{
    return CardDeck::GetCardValue(card);
}

// Pairs (i, j) over all positions, a card paired with itself included.
template <typename Same> int OrderedPairs(const CardId* hand, int n, Same same)
{
    int count = 0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            count += same(hand[i], hand[j]) ? 1 : 0;
    return count;
}

void Accept(GameState& g, Judgement& j, int handType, int cardCount)
{
    j.verdict = Verdict::Hand;
    j.handType = handType;
    j.points = g.HandPoints[handType];
    j.cardsRemoved = cardCount;
    j.royalDing = handType == RoyalFlush;
    g.GameScore += j.points;
    ++g.HandCounts[handType];
    ++g.HandsMade;
    g.CardsOnBoard -= cardCount;
}

void RemoveJokers(GameState& g, Judgement& j, int cardCount)
{
    j.verdict = Verdict::JokerRemoval;
    j.cardsRemoved = cardCount;
    g.CardsOnBoard -= cardCount;
}
} // namespace

int JudgeTwoCards(const CardId hand[2])
{
    const int a = Value(hand[0]);
    const int b = Value(hand[1]);
    if (IsJoker(a) || IsJoker(b))
        return kJokerRemoval;
    return a == b ? OnePair : 0;
}

int JudgeThreeCards(const CardId hand[3])
{
    return Value(hand[0]) == Value(hand[1]) && Value(hand[1]) == Value(hand[2]) ? ThreeOfAKind : 0;
}

int JudgeFourCards(const CardId hand[4])
{
    switch (OrderedPairs(hand, 4, [](CardId x, CardId y) { return Value(x) == Value(y); })) {
    case 8:
        return TwoPairs;
    case 16:
        return FourOfAKind;
    default:
        return 0;
    }
}

int JudgeFiveCards(const CardId hand[5])
{
    return FiveCardHandType(hand);
}

HandJudgement JudgeHand(const CardId* hand, int n)
{
    HandJudgement j;
    if (n <= 0)
        return j;
    if (n == 1) {
        // Only a joker reaches the judgement alone; an ordinary card is no play.
        if (IsJoker(hand[0]))
            j.verdict = Verdict::JokerRemoval;
        return j;
    }
    if (n >= 3 && std::any_of(hand, hand + n, [](CardId card) { return IsJoker(card); })) {
        j.verdict = Verdict::JokersRefused;
        return j;
    }

    int handType = 0;
    switch (n) {
    case 2:
        handType = JudgeTwoCards(hand);
        break;
    case 3:
        handType = JudgeThreeCards(hand);
        break;
    case 4:
        handType = JudgeFourCards(hand);
        break;
    default:
        handType = JudgeFiveCards(hand);
        break;
    }
    if (handType == kJokerRemoval) {
        j.verdict = Verdict::JokerRemoval;
    } else if (handType > 0) {
        j.verdict = Verdict::Hand;
        j.handType = handType;
    } else {
        j.verdict = Verdict::Refused;
    }
    return j;
}

Judgement JudgeSelection(GameState& g)
{
    Judgement j;
    g.SelectedHand.fill(0);
    int n = 0;
    for (const CardId card : g.SelectedCards) {
        if (card != 0)
            g.SelectedHand[n++] = card;
    }

    const HandJudgement hand = JudgeHand(g.SelectedHand.data(), n);
    switch (hand.verdict) {
    case Verdict::Hand:
        Accept(g, j, hand.handType, n);
        break;
    case Verdict::JokerRemoval:
        RemoveJokers(g, j, n);
        break;
    default:
        j.verdict = hand.verdict;
        break;
    }
    return j;
}

void ApplyJokersNotePenalty(GameState& g)
{
    g.ElapsedSeconds += kJokersNotePenaltySeconds;
}
