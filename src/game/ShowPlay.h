#pragma once

// Show a Play: the best-paying play of the board, marked for a moment and
// paid for on the clock like three hints.

#include "game/LegalPlays.h"

#include <optional>

class CardDeck;

// The play the board shows: the best-paying hand, else a joker play, else nothing.
std::optional<LegalPlay> PlayToShow(const GameState& g, const CardDeck& cards);

// What showing a play costs: three hints' worth of clock.
inline constexpr int kShowPlayHints = 3;
void ApplyShowPlayPenalty(GameState& g);

// "No play is left on the board."
QString NoPlayLeftText();
