#pragma once

// The card objects: identity, place on the board window and the per-card
// user values. Knows nothing of poker; draws nothing.
//
// Ids are 1-based: 1..52 the ordinary cards (13 per suit, Ace first), 110..113
// jokers. Any other id (53..100 in the shuffling scene) is a valid card object
// that only the painter gives a look to. A card whose x is 0 or less is off the
// board: the hit test never finds it.

#include <QPoint>

#include <array>
#include <cstdint>

class CardDeck {
public:
    static constexpr int kMaxId = 120;

    // The card size the hit test uses.
    static constexpr int kCardWidth = 71;
    static constexpr int kCardHeight = 96;

    CardDeck();

    // Resets positions and user values of every card.
    void SetDefaultValues();

    // Puts a card into play at (x, y); DealCard(card, -100, 0) keeps it out of sight.
    void DealCard(int card, int x, int y);
    // The card whose visible part lies under the point, 0 for bare table.
    // A card covered by the one below it answers only on its visible strip.
    int InitDrag(int x, int y) const;

    // Rank 1..13 (Ace 1, King 13); 99 or more for a joker; 0 for no card.
    static int GetCardValue(int card)
    {
        if (card >= 1 && card <= 52)
            return (card - 1) % 13 + 1;
        return card >= 99 ? card : 0;
    }
    // A small suit code (1..4: clubs, diamonds, hearts, spades); 0 for jokers and no card.
    static int GetCardSuit(int card) { return card >= 1 && card <= 52 ? (card - 1) / 13 + 1 : 0; }

    int GetCardX(int card) const;
    int GetCardY(int card) const;
    void SetCardX(int card, int x);
    void SetCardY(int card, int y);
    QPoint Position(int card) const { return { GetCardX(card), GetCardY(card) }; }

    int GetUser2(int card) const { return value(card).user[2]; }
    int GetUser3(int card) const { return value(card).user[3]; }
    int GetUser4(int card) const { return value(card).user[4]; }
    void SetUser2(int card, int v) { set(card, 2, v); }
    void SetUser3(int card, int v) { set(card, 3, v); }
    void SetUser4(int card, int v) { set(card, 4, v); }

private:
    struct Card {
        int x = 0;
        int y = 0;
        bool inPlay = false;
        std::array<int, 5> user {};
    };
    static bool valid(int card) { return card >= 1 && card <= kMaxId; }
    const Card& value(int card) const { return valid(card) ? cards_[card] : none_; }
    void set(int card, int index, int v);

    std::array<Card, kMaxId + 1> cards_ {};
    Card none_ {};
};

// The one deck of the game window.
CardDeck& Cards();
