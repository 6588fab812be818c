// Still to come: the victory sequence.
#include "app/frmMain.h"
void frmMain::PlayWinSequence() {}
