#include "game/KeyboardFocus.h"

#include <QStringList>

#include <cstdlib>
#include <limits>
#include <tuple>

BoardCell FindCell(const GameState& g, CardId card)
{
    if (card == 0)
        return {};
    for (int c = 1; c <= g.NumColumns && c < kGridSize; ++c) {
        for (int r = 1; r <= g.NumRows && r < kGridSize; ++r) {
            if (g.CardGrid(c, r) == card)
                return { c, r };
        }
    }
    return {};
}

CardId FirstFocusCard(const GameState& g)
{
    for (int c = 1; c <= g.NumColumns && c < kGridSize; ++c) {
        for (int r = std::min<int>(g.NumRows, kGridSize - 1); r >= 1; --r) {
            if (g.CardGrid(c, r) != 0)
                return g.CardGrid(c, r);
        }
    }
    return 0;
}

namespace {
// The candidate that wins has the smallest key; the key's parts are compared in order.
using Rank = std::tuple<int, int, int, int>;

bool IsThatWay(FocusMove move, BoardCell from, int c, int r)
{
    switch (move) {
    case FocusMove::Left:
        return c < from.column;
    case FocusMove::Right:
        return c > from.column;
    case FocusMove::Up:
        return r < from.row;
    case FocusMove::Down:
        return r > from.row;
    }
    return false;
}

Rank RankOf(FocusMove move, BoardCell from, int c, int r)
{
    const int across = std::abs(from.row - r);
    const int along = std::abs(from.column - c);
    if (move == FocusMove::Left || move == FocusMove::Right)
        // The next column first, then the nearest row, the lower row on a tie.
        return { along, across, -r, 0 };
    // The same column first, then the nearest row, the left column on a tie.
    return { along, across, c, 0 };
}
} // namespace

CardId MoveFocus(const GameState& g, CardId from, BoardCell fromCell, FocusMove move)
{
    const BoardCell now = FindCell(g, from);
    const BoardCell at = now.column != 0 ? now : fromCell;
    if (at.column == 0)
        return FirstFocusCard(g);
    CardId best = 0;
    Rank bestRank { std::numeric_limits<int>::max(), 0, 0, 0 };
    for (int c = 1; c <= g.NumColumns && c < kGridSize; ++c) {
        for (int r = 1; r <= g.NumRows && r < kGridSize; ++r) {
            const CardId card = g.CardGrid(c, r);
            if (card == 0 || card == from || !IsThatWay(move, at, c, r))
                continue;
            const Rank rank = RankOf(move, at, c, r);
            if (rank < bestRank) {
                bestRank = rank;
                best = card;
            }
        }
    }
    if (best != 0)
        return best;
    return now.column != 0 ? from : FollowFocus(g, from, fromCell);
}

CardId FollowFocus(const GameState& g, CardId card, BoardCell lastCell)
{
    if (FindCell(g, card).column != 0)
        return card;
    if (lastCell.column == 0)
        return FirstFocusCard(g);
    // The nearest card by the number of cells between, the lower and then the
    // left one on a tie: a removed card's place goes to the card that dropped into it.
    CardId best = 0;
    Rank bestRank { std::numeric_limits<int>::max(), 0, 0, 0 };
    for (int c = 1; c <= g.NumColumns && c < kGridSize; ++c) {
        for (int r = 1; r <= g.NumRows && r < kGridSize; ++r) {
            const CardId other = g.CardGrid(c, r);
            if (other == 0)
                continue;
            const Rank rank { std::abs(c - lastCell.column) + std::abs(r - lastCell.row), -r, c, 0 };
            if (rank < bestRank) {
                bestRank = rank;
                best = other;
            }
        }
    }
    return best;
}

QString SpokenCardName(CardId card)
{
    if (IsJoker(card))
        return QStringLiteral("Joker");
    if (card < 1 || card > 52)
        return {};
    static const QStringList ranks { QStringLiteral("Ace"), QStringLiteral("Two"), QStringLiteral("Three"),
        QStringLiteral("Four"), QStringLiteral("Five"), QStringLiteral("Six"), QStringLiteral("Seven"),
        QStringLiteral("Eight"), QStringLiteral("Nine"), QStringLiteral("Ten"), QStringLiteral("Jack"),
        QStringLiteral("Queen"), QStringLiteral("King") };
    static const QStringList suits { QStringLiteral("Clubs"), QStringLiteral("Diamonds"), QStringLiteral("Hearts"),
        QStringLiteral("Spades") };
    return ranks[(card - 1) % 13] + QStringLiteral(" of ") + suits[(card - 1) / 13];
}
