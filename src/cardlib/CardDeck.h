#pragma once

// The card objects: identity, place on the board window, blocked state and
// the per-card user values. Knows nothing of poker; draws nothing.
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

    CardDeck();

    // Non-zero when the deck is ready. Ours always is.
    int InitializeDeck();
    // Resets positions, blocked states and user values of every card.
    void SetDefaultValues();
    // The vertical overlap of cards in a column (RowStep).
    void SetOffSet(int rowStep);
    int OffSet() const { return offset_; }
    // Card size used by the hit test.
    void SetCardSize(int width, int height);
    int CardWidth() const { return width_; }
    int CardHeight() const { return height_; }

    // Puts a card into play at (x, y); DealCard(card, -100, 0) keeps it out of sight.
    void DealCard(int card, int x, int y);
    // The card whose visible part lies under the point, 0 for bare table.
    // A card covered by another shows only its top strip of OffSet() pixels.
    int InitDrag(int x, int y) const;

    void AdjustCardBlocked(int card, bool blocked);
    bool IsCardBlocked(int card) const;

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

    int GetUser1(int card) const { return value(card).user[1]; }
    int GetUser2(int card) const { return value(card).user[2]; }
    int GetUser3(int card) const { return value(card).user[3]; }
    int GetUser4(int card) const { return value(card).user[4]; }
    void SetUser1(int card, int v) { set(card, 1, v); }
    void SetUser2(int card, int v) { set(card, 2, v); }
    void SetUser3(int card, int v) { set(card, 3, v); }
    void SetUser4(int card, int v) { set(card, 4, v); }

private:
    struct Card {
        int x = 0;
        int y = 0;
        bool blocked = false;
        bool inPlay = false;
        std::array<int, 5> user {};
    };
    static bool valid(int card) { return card >= 1 && card <= kMaxId; }
    const Card& value(int card) const { return valid(card) ? cards_[card] : none_; }
    void set(int card, int index, int v);

    std::array<Card, kMaxId + 1> cards_ {};
    Card none_ {};
    int offset_ = 50;
    int width_ = 71;
    int height_ = 96;
};

// The one deck of the game window.
CardDeck& Cards();
