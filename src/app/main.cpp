#include "app/CommandLine.h"
#include "app/QuitSignals.h"
#include "app/frmMain.h"
#include "game/GameState.h"

#include <QApplication>

int main(int argc, char** argv)
{
    if (const auto exitCode = RunCommandLine(argc, argv))
        return *exitCode;
    QApplication app(argc, argv);
    GameState& g = Game();
    g.ProgramName = QStringLiteral("Solitaire Quibel");
    g.ProgramVersion = QStringLiteral(QUIBEL_VERSION);
    QApplication::setApplicationName(g.ProgramName);
    QApplication::setApplicationVersion(g.ProgramVersion);

    frmMain window;
    EndOnSignals(window);
    window.Load();
    // Leaving from the player list at start-up ends the program before its event
    // loop runs.
    if (window.IsClosing())
        return 0;
    return QApplication::exec();
}
