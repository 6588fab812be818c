#pragma once

class QWidget;

// The update check: the version and build date, and where updates come from.
void ShowUpdateCheck(QWidget* owner);
