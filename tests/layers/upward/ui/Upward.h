#pragma once

// A window of a lower layer that reaches up into the game window.
#include "app/frmMain.h"
