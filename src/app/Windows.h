#pragma once

// The game's smaller windows, opened modally; each call returns when its
// window has closed. The game window opens them through these calls only.

class QWidget;

void ShowTitleWindow();
// The player list; its close button shows when opened from the game window's menu.
void ShowPlayerListWindow(bool showCloseButton);
void ShowTopTenWindow();
// The statistics of the running or ended game; `paused` gives the pause form.
void ShowGameStatsWindow(bool paused);
// The scoreboard of a won game (after the victory sequence).
void ShowScoreboardWindow();
// The instructions; `hideDoNotShow` hides the switch-off check box (misplays).
void ShowInstructionsWindow(bool hideDoNotShow);
void ShowAboutWindow();
// The help pages at their contents.
void ShowHelpContents(QWidget* owner);
// The update check: the version and build date, and where updates come from.
void ShowUpdateCheck(QWidget* owner);
