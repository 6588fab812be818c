#include "game/PlaySearch.h"

#include "cardlib/CardDeck.h"
#include "game/CardState.h"
#include "game/Selection.h"

#include <array>
#include <cstdlib>

namespace {
constexpr int kHandSize = 5;
constexpr int kHintPenaltySeconds = 10;

int Rank(CardId card)
{
    return CardDeck::GetCardValue(card);
}

int Suit(CardId card)
{
    return CardDeck::GetCardSuit(card);
}

bool IsRoyalRank(int rank)
{
    return rank == 1 || (rank >= 10 && rank <= 13);
}

// The shared work list of the searches, with the growth rule: expand the
// start card, then pass over the list as long as the last expansion of the
// previous pass added a card.
class Growth {
public:
    Growth(const GameState& g, const CardDeck& cards)
        : g_(g)
        , cards_(cards)
    {
    }

    std::array<CardId, 4> Neighbours(CardId card) const
    {
        return { CardAbove(g_, cards_, card), CardBelow(g_, cards_, card), CardLeft(g_, cards_, card),
            CardRight(g_, cards_, card) };
    }

    void Restart()
    {
        count_ = 0;
        read_ = 0;
    }
    void Seed(CardId card) { list_[count_++] = card; }
    bool Holds(CardId card) const
    {
        for (int i = 0; i < count_; ++i)
            if (list_[i] == card)
                return true;
        return false;
    }
    int Distance(CardId a, CardId b) const
    {
        return std::abs(ColumnOf(cards_, a) - ColumnOf(cards_, b)) + std::abs(RowOf(cards_, a) - RowOf(cards_, b));
    }
    template <typename Fits> bool FitsAll(Fits fits) const
    {
        for (int i = 0; i < count_; ++i)
            if (!fits(list_[i]))
                return false;
        return true;
    }

    // True as soon as the list holds five cards.
    template <typename Accept> bool Grow(CardId start, Accept accept)
    {
        int before = count_;
        if (Expand(start, accept))
            return true;
        if (count_ <= before)
            return false;
        do {
            const int end = count_ - 1;
            for (; read_ <= end; ++read_) {
                before = count_;
                if (Expand(list_[read_], accept))
                    return true;
            }
        } while (count_ > before);
        return false;
    }

private:
    template <typename Accept> bool Expand(CardId card, Accept accept)
    {
        for (const CardId neighbour : Neighbours(card)) {
            if (neighbour == 0 || !accept(card, neighbour))
                continue;
            list_[count_++] = neighbour;
            if (count_ == kHandSize)
                return true;
        }
        return false;
    }

    const GameState& g_;
    const CardDeck& cards_;
    std::array<CardId, 53> list_ {};
    int count_ = 0;
    int read_ = 0;
};

template <typename FromStart> bool AnyStart(const CardDeck& cards, FromStart fromStart)
{
    for (CardId s = 1; s <= 52; ++s) {
        if (IsOnBoard(cards, s) && fromStart(s))
            return true;
    }
    return false;
}

// Five connected cards of distinct ranks within 4 cells of each other; a
// straight also keeps the ranks within 4 of each other, a royal run takes
// only the ranks 10, J, Q, K and A.
bool FindRun(const GameState& g, const CardDeck& cards, bool royal)
{
    Growth growth(g, cards);
    const auto rankAllowed = [royal](int rank) { return !royal || IsRoyalRank(rank); };
    return AnyStart(cards, [&](CardId s) {
        if (!rankAllowed(Rank(s)))
            return false;
        growth.Restart();
        growth.Seed(s);
        return growth.Grow(s, [&](CardId, CardId y) {
            if (!rankAllowed(Rank(y)))
                return false;
            return growth.FitsAll([&](CardId w) {
                return Rank(w) != Rank(y) && (royal || std::abs(Rank(w) - Rank(y)) < 5) && growth.Distance(w, y) < 5;
            });
        });
    });
}
} // namespace

bool FindPair(const GameState& g, const CardDeck& cards)
{
    const Growth look(g, cards);
    return AnyStart(cards, [&](CardId s) {
        for (const CardId n : look.Neighbours(s))
            if (n != 0 && Rank(n) == Rank(s))
                return true;
        return false;
    });
}

bool FindTwoPairs(const GameState& g, const CardDeck& cards)
{
    const Growth look(g, cards);
    return AnyStart(cards, [&](CardId s) {
        const auto n = look.Neighbours(s);
        std::array<CardId, 12> paired {};
        int count = 0;
        for (int i = 0; i < 4; ++i) {
            for (int j = i + 1; j < 4; ++j) {
                if (Rank(n[i]) != 0 && Rank(n[i]) == Rank(n[j])) {
                    paired[count++] = n[i];
                    paired[count++] = n[j];
                }
            }
        }
        for (int k = 0; k < count; ++k) {
            for (const CardId z : look.Neighbours(paired[k]))
                if (z != 0 && z != s && Rank(z) == Rank(s))
                    return true;
        }
        return false;
    });
}

bool FindFlush(const GameState& g, const CardDeck& cards)
{
    Growth growth(g, cards);
    return AnyStart(cards, [&](CardId s) {
        growth.Restart();
        // The start card joins only when it is reached back from a neighbour.
        return growth.Grow(s, [&](CardId x, CardId y) { return Suit(y) == Suit(x) && !growth.Holds(y); });
    });
}

bool FindStraight(const GameState& g, const CardDeck& cards)
{
    return FindRun(g, cards, false);
}

bool FindRoyalStraight(const GameState& g, const CardDeck& cards)
{
    return FindRun(g, cards, true);
}

bool AnyJokerOnBoard(const GameState& g, const CardDeck& cards)
{
    for (int i = 1; i <= kDeckSize; ++i) {
        if (IsJoker(g.Deck[i]) && IsOnBoard(cards, g.Deck[i]))
            return true;
    }
    return false;
}

bool PlaysLeft(const GameState& g, const CardDeck& cards)
{
    return AnyJokerOnBoard(g, cards) || FindPair(g, cards) || FindTwoPairs(g, cards) || FindFlush(g, cards)
        || FindStraight(g, cards) || FindRoyalStraight(g, cards);
}

GameEnd EndGameNoPlaysLeft(GameState& g)
{
    g.FeeWonBack = true;
    g.GameInProgress = false;
    if (g.GameScore < g.EntryFee)
        return GameEnd::Statistics;
    if (!g.ScoreboardPending)
        return GameEnd::WonWithoutScoreboard;
    g.ScoreboardPending = false;
    return GameEnd::Scoreboard;
}

QString HintText(const GameState& g, const CardDeck& cards)
{
    const QString cr = QStringLiteral("\r");
    const QString mark = QString(QChar(0x00BB));
    QString text;
    if (AnyJokerOnBoard(g, cards)) {
        text += mark + QStringLiteral(" You don't need a hint for this Brasvane Poker, ") + cr
            + QStringLiteral("    Look at the cards and don't be such a Joker!") + cr + cr;
    }
    struct Rhyme {
        bool (*search)(const GameState&, const CardDeck&);
        const char* first;
        const char* second;
    };
    static const Rhyme rhymes[] = {
        { FindPair, " We read in the Bible that Noah had a bunch:",
            "    if you can't find one of these, then you must be out to lunch!" },
        { FindTwoPairs, " Double - Double:", "    four twins in trouble." },
        { FindFlush, " You don't need a hint, it's in front of your nose:",
            "    look for five strangers wearing the same clothes." },
        { FindStraight,
            " The answer you seek is the answer I bring:", "    look for the five who are straight as a string." },
        { FindRoyalStraight,
            " These five may begin to question your loyalty:", "    always bow down in the presence of royalty." },
    };
    for (const Rhyme& rhyme : rhymes) {
        if (rhyme.search(g, cards))
            text += mark + QString::fromLatin1(rhyme.first) + cr + QString::fromLatin1(rhyme.second) + cr + cr;
    }
    if (text.isEmpty())
        text = QStringLiteral("Sorry, there are no valid plays left.");
    text += cr + cr + QStringLiteral("NOTE: 50 points are deducted from the 'Timer Bonus' when you use hints.  ")
        + QStringLiteral("If you're stuck, it may be a small price to pay for a quick hint ")
        + QStringLiteral("(the choice is yours).");
    return text;
}

QString HintTitle()
{
    return QStringLiteral("Game Hint");
}

void ApplyHintPenalty(GameState& g)
{
    g.ElapsedSeconds += kHintPenaltySeconds;
}
