#include "game/ParView.h"

#include "game/Deal.h"
#include "game/ParSolver.h"
#include "game/Settlement.h"

#include <algorithm>
#include <cstdint>

bool ParAvailable(const GameState& g)
{
    return !g.GameInProgress && g.DealNumber != 0;
}

int32_t PlayerScoreWithoutTimer(const GameState& g)
{
    // The scoreboard replaces GameScore with the final score; the hands made
    // still tell the hand points.
    GameState counted = g;
    int64_t handPoints = 0;
    for (int type = 1; type <= kNumHandTypes; ++type)
        handPoints += HandRowTotal(g, type);
    counted.GameScore = static_cast<int32_t>(std::min<int64_t>(handPoints, INT32_MAX));
    return ScoreWithoutTimer(counted);
}

ParReport FindParOfDeal(uint32_t dealNumber, int32_t yours, double seconds, uint64_t maxPlays)
{
    ParReport report;
    report.dealNumber = dealNumber;
    report.yours = yours;
    ParResult found = SolvePar(DealtPosition(dealNumber), seconds, maxPlays);
    report.par = found.score;
    report.proven = found.proven;
    report.line = std::move(found.line);
    return report;
}

QString ParTitle()
{
    return QStringLiteral("Par of This Deal");
}

QString ParText(const ParReport& r)
{
    const QString nl(QLatin1Char('\n'));
    QString text = QStringLiteral("Par of deal %1: %2").arg(r.dealNumber).arg(FormatMoney(r.par)) + nl
        + QStringLiteral("Your score: ") + FormatMoney(r.yours) + nl + nl;
    if (r.yours > r.par)
        text += QStringLiteral("You beat the best game the search found in its time.") + nl + nl;
    else if (r.yours == r.par)
        text += QStringLiteral("You matched par.") + nl + nl;
    text += QStringLiteral("Par is the best score the search found for this deal. Both scores count the hands, "
                           "the different-hands bonus, the cards-removed bonus and the cleared-board bonus, "
                           "but not the timer bonus.");
    if (r.proven)
        text += nl + nl + QStringLiteral("No game of this deal can score more.");
    return text;
}

Position DealAgainForShow(const GameState& ended, const CardDeck& deck)
{
    Position p { ended, deck };
    GameState& g = p.g;
    ResetForDeal(g);
    g.ScoreboardPending = false;
    g.FeeWonBack = false;
    g.SameDeal = false;
    g.NextDealNumber = 0;
    PrepareDeck(g, p.cards);
    ShuffleDeckNumbered(g, ended.DealNumber);
    LayOutBoard(g, p.cards);
    return p;
}
