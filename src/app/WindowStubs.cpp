// Stand-ins for windows that have not been built yet. Each window's own file
// replaces its line here when it lands.
#include "app/Windows.h"

void ShowTitleWindow() {}
void ShowPlayerListWindow(bool) {}
void ShowTopTenWindow() {}
void ShowInstructionsWindow(bool) {}
void ShowAboutWindow() {}
void ShowHelpContents(QWidget*) {}
void ShowUpdateCheck(QWidget*) {}
