#include "cardlib/CardDeck.h"

CardDeck::CardDeck() = default;

CardDeck& Cards()
{
    static CardDeck deck;
    return deck;
}

void CardDeck::SetDefaultValues()
{
    cards_.fill(Card {});
}

void CardDeck::DealCard(int card, int x, int y)
{
    if (!valid(card))
        return;
    cards_[card].inPlay = true;
    cards_[card].x = x;
    cards_[card].y = y;
}

int CardDeck::InitDrag(int x, int y) const
{
    // The card drawn last on a spot is the lowest one of its column, so the
    // match with the greatest y wins: a covered card answers only on its strip.
    int found = 0;
    int foundY = 0;
    for (int id = 1; id <= kMaxId; ++id) {
        const Card& c = cards_[id];
        if (!c.inPlay || c.x <= 0)
            continue;
        if (x < c.x || x >= c.x + kCardWidth || y < c.y || y >= c.y + kCardHeight)
            continue;
        if (found == 0 || c.y > foundY) {
            found = id;
            foundY = c.y;
        }
    }
    return found;
}

int CardDeck::GetCardX(int card) const
{
    return value(card).x;
}

int CardDeck::GetCardY(int card) const
{
    return value(card).y;
}

void CardDeck::SetCardX(int card, int x)
{
    if (valid(card)) {
        cards_[card].x = x;
        cards_[card].inPlay = true;
    }
}

void CardDeck::SetCardY(int card, int y)
{
    if (valid(card)) {
        cards_[card].y = y;
        cards_[card].inPlay = true;
    }
}

void CardDeck::set(int card, int index, int v)
{
    if (valid(card))
        cards_[card].user[index] = v;
}
