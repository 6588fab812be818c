#pragma once

// What a submitted play is: a poker hand of exactly the cards it needs, a
// joker removal, or nothing. Jokers are not wild: a joker leaves the board
// alone or with one other card. An accepted play is paid and counted here;
// the removal of its cards from the board is Removal.h's work.

#include "game/GameState.h"

enum class Verdict {
    Hand, // a poker hand: paid and counted; PlayShow::PlayNote; its label flashes after the removal
    JokerRemoval, // a joker alone or with one card: no points, no hand; PlayShow::PlayNote
    Refused, // not a hand: "Error.wav", CountMisplay, PlayShow::PlayNote; AdjacentLinks = 0
    JokersRefused, // a joker among 3..5 cards: the "About Jokers" note (then ApplyJokersNotePenalty),
                   // then "Error.wav" and CountMisplay; AdjacentLinks = 0
    Nothing, // no card, or one card that is no joker: nothing happens
};

struct Judgement {
    Verdict verdict = Verdict::Nothing;
    int handType = 0; // 1..9 for a hand, else 0
    int points = 0; // dollars added to GameScore
    int cardsRemoved = 0; // cards leaving the board (CardsOnBoard has been lowered by it)
    bool royalDing = false; // a royal flush: "ding.wav" (with sound on) before the acceptance

    bool accepted() const { return verdict == Verdict::Hand || verdict == Verdict::JokerRemoval; }
    // The hand label to flash after the play, -1 for none.
    int handLabel() const { return verdict == Verdict::Hand ? handType - 1 : -1; }
};

// What n packed cards (n 0..5) are, the state untouched: JudgeSelection's
// verdict and hand type without the payment.
struct HandJudgement {
    Verdict verdict = Verdict::Nothing;
    int handType = 0; // 1..9 for a hand, else 0
};
HandJudgement JudgeHand(const CardId* hand, int n);

// Packs the picked cards into SelectedHand in slot order and judges them.
// An accepted play changes GameScore, HandCounts, HandsMade and CardsOnBoard;
// a refused one changes nothing. Values and suits are the card ids' own
// (CardDeck::GetCardValue, CardDeck::GetCardSuit).
Judgement JudgeSelection(GameState& g);

// The judgement of the packed hand alone, by number of cards; the values and
// suits are the cards'. Each returns the hand type 1..9, or 0 for the refusal.
// JudgeTwoCards returns -1 for a joker removal.
int JudgeTwoCards(const CardId hand[2]);
int JudgeThreeCards(const CardId hand[3]);
int JudgeFourCards(const CardId hand[4]);
int JudgeFiveCards(const CardId hand[5]);

// After the "About Jokers" note has been closed: 50 seconds more on the clock.
void ApplyJokersNotePenalty(GameState& g);
