#pragma once

// The pictures of the game window's eight toolbar buttons, drawn by our own
// code (16 by 16, crisp at any pixel ratio).

#include "ui/ToolbarButtons.h"

#include <QIcon>

QIcon ToolbarIcon(ToolbarButton button);
