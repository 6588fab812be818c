#include "game/CardCodes.h"

#include "cardlib/CardDeck.h"
#include "game/CardState.h"

#include <QStringList>

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

namespace {
// 1st to 7th: a place in a column.
QString Ordinal(int n)
{
    const char* suffix = n == 1 ? "st" : n == 2 ? "nd" : n == 3 ? "rd" : "th";
    return QString::number(n) + QLatin1String(suffix);
}
} // namespace

QString PlayLine(const GameState& g, const CardDeck& deck, const LegalPlay& play)
{
    QStringList cards;
    for (int i = 0; i < play.count; ++i)
        cards << CardCode(play.cards[i]);
    QString line = cards.join(QLatin1Char(' '));
    if (play.handType > 0)
        line += QStringLiteral("  ") + HandName(play.handType);
    int jokers = 0;
    for (int c = 1; c <= g.ActiveColumns; ++c)
        for (int r = 1; r <= g.NumRows; ++r)
            jokers += IsJoker(g.CardGrid(c, r)) ? 1 : 0;
    if (jokers < 2)
        return line;
    for (int i = 0; i < play.count; ++i) {
        const CardId card = play.cards[i];
        if (IsJoker(card)) {
            // Cards lie at the bottom of their columns: the bottom row is the 1st place.
            const int fromBottom = g.NumRows + 1 - RowOf(deck, card);
            line += QStringLiteral("  (JK in column %1, %2 from the bottom)")
                        .arg(ColumnOf(deck, card))
                        .arg(Ordinal(fromBottom));
        }
    }
    return line;
}
