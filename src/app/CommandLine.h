#pragma once

// The game's command line, read before any window exists:
//   --deal N               start with deal N (1..4294967295)
//   --par N [--seconds S]  print deal N, its par and the line that reaches it, then exit
// Anything else is left to Qt.

#include <optional>

// Returns the exit code when the program is done (a printed par, a bad
// command line); nothing when the game window should start.
std::optional<int> RunCommandLine(int argc, char** argv);
