#include "game/ShowPlay.h"

#include "game/PlaySearch.h"

std::optional<LegalPlay> PlayToShow(const GameState& g, const CardDeck& cards)
{
    // The list holds the hands first, in falling points, then the joker plays.
    const std::vector<LegalPlay> plays = LegalPlays(g, cards);
    if (plays.empty())
        return std::nullopt;
    return plays.front();
}

void ApplyShowPlayPenalty(GameState& g)
{
    for (int i = 0; i < kShowPlayHints; ++i)
        ApplyHintPenalty(g);
}

QString NoPlayLeftText()
{
    return QStringLiteral("No play is left on the board.");
}
