#include "app/frmMain.h"
#include "game/GameState.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    GameState& g = Game();
    g.ProgramName = QStringLiteral("Solitaire Quibel");
    g.ProgramVersion = QStringLiteral(QUIBEL_VERSION);
    QApplication::setApplicationName(g.ProgramName);
    QApplication::setApplicationVersion(g.ProgramVersion);

    frmMain window;
    window.Load();
    return QApplication::exec();
}
