// Play handlers still to come.
#include "app/frmMain.h"
void frmMain::NewGame() {}
void frmMain::DealBoard() {}
void frmMain::CheckForPlays() {}
void frmMain::PlayWinSequence() {}
void frmMain::ShowPlayerStatus() {}
void frmMain::MenuFileNewGame_Click() {}
void frmMain::MenuFileRestart_Click() {}
void frmMain::MenuFilePauseGame_Click() {}
void frmMain::MenuFileUndo_Click() {}
void frmMain::MenuFileUseHandPopups_Click() {}
void frmMain::MenuViewHint_Click() {}
void frmMain::Timer1_Timer() {}
void frmMain::chkSound_Click() {}
void frmMain::Form_MouseDown(Qt::MouseButton, int, int) {}
void frmMain::Form_MouseMove() {}
void frmMain::Form_MouseUp(Qt::MouseButton, int, int) {}
bool frmMain::Form_QueryUnload() { return true; }
void frmMain::ShowHandDefinition(int) {}
