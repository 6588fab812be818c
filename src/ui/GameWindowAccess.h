#pragma once

// What a smaller window may do to the game window while it is open, where the
// order of events needs the game window to change before the smaller one has
// gone (the board cleared while the scoreboard slides out, the cover lifted
// under the instructions). The game window implements it; what a window's
// choice asks for after it has closed is done by the game window itself.

#include "ui/ToolbarButtons.h"

class GameWindowAccess {
public:
    // Whether the board, toolbar and menus take input.
    virtual void EnableGameWindow(bool enabled) = 0;
    // Only the gradient remains on the board.
    virtual void ClearBoard() = 0;
    // The picture that hides the cards while another window is open.
    virtual void SetCoverVisible(bool visible) = 0;
    virtual void DisableToolbarButton(ToolbarButton button) = 0;
    // The status band's line of the current player.
    virtual void ShowPlayerStatus() = 0;

protected:
    ~GameWindowAccess() = default;
};
