#include "ui/UpdateCheck.h"
#include "game/GameState.h"
#include "ui/MsgBox.h"

// No network: the game is kept up to date by the package it was installed
// with, so the check only tells what is installed and where newer ones come from.
void ShowUpdateCheck(QWidget*)
{
    const QString cr(QLatin1Char('\r'));
    const QString name = Game().ProgramName.isEmpty() ? QStringLiteral("Solitaire Quibel") : Game().ProgramName;
    const QString text = QStringLiteral("You are playing ") + name + QStringLiteral(" version ")
        + QStringLiteral(QUIBEL_VERSION) + QStringLiteral(", built on ") + QStringLiteral(QUIBEL_BUILD_DATE)
        + QStringLiteral(".") + cr + cr
        + QStringLiteral("Updates come from the package the game was installed with.  To look for a newer "
                         "version, use your system's software manager or package manager.");
    MsgBox(text, vbOKOnly | vbInformation, QStringLiteral("Check For Updates"));
}
