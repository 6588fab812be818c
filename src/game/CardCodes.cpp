#include "game/CardCodes.h"

#include "cardlib/CardDeck.h"

QString CardCode(CardId card)
{
    if (IsJoker(card))
        return QStringLiteral("JK");
    const int rank = CardDeck::GetCardValue(card);
    const int suit = CardDeck::GetCardSuit(card);
    if (rank == 0 || suit == 0)
        return QStringLiteral("??");
    return QString(QLatin1Char("A23456789TJQK"[rank - 1])) + QLatin1Char("CDHS"[suit - 1]);
}
