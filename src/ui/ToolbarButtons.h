#pragma once

// The game window's toolbar buttons, in the order the window creates them
// (left to right on screen they stand in another order).

#include <array>

enum class ToolbarButton { TopTen, PlayerList, Undo, GameStats, Hint, Help, NewGame, Pause };

inline constexpr int kToolbarButtons = 8;

inline constexpr std::array<ToolbarButton, kToolbarButtons> kAllToolbarButtons
    = { ToolbarButton::TopTen, ToolbarButton::PlayerList, ToolbarButton::Undo, ToolbarButton::GameStats,
          ToolbarButton::Hint, ToolbarButton::Help, ToolbarButton::NewGame, ToolbarButton::Pause };

// The buttons that only work while a game is in progress.
inline constexpr std::array<ToolbarButton, 4> kInGameToolbarButtons
    = { ToolbarButton::Undo, ToolbarButton::GameStats, ToolbarButton::Hint, ToolbarButton::Pause };

constexpr int ToolbarIndex(ToolbarButton button)
{
    return static_cast<int>(button);
}
