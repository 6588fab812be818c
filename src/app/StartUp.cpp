#include "app/frmMain.h"

#include "app/StartUpData.h"
#include "cardlib/CardDeck.h"
#include "game/GameState.h"
#include "recordwindows/frmPlayerList.h"
#include "ui/MsgBox.h"
#include "ui/frmTitle.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QIcon>

// The load sequence of the game window, in its fixed order. Every step is
// allowed to fail without stopping the next one.
void frmMain::Load()
{
    if (!PrepareWindow())
        return;
    GameState& g = Game();
    ShowTitleWindow();
    ShowPlayerListWindow(this, false);
    // The player may leave the game from the list.
    if (closing_)
        return;
    if (!g.PlayerName.isEmpty())
        NewGame();
    if (closing_)
        return;
    ApplyPlayerSettings();
    show();
    raise();
    activateWindow();
}

bool frmMain::PrepareWindow()
{
    GameState& g = Game();
    chkSound->hide();
    setWindowTitle(g.ProgramName);
    // Sounds and help lie beside the program; QUIBEL_APP_DIR points elsewhere (the tests use it).
    const QString appDir = qEnvironmentVariable("QUIBEL_APP_DIR");
    g.AppFolder = QDir(appDir.isEmpty() ? QCoreApplication::applicationDirPath() : appDir).absolutePath();
    if (!g.AppFolder.endsWith(QLatin1Char('/')))
        g.AppFolder += QLatin1Char('/');
    // The icon lies beside the program too; the desktop's icon theme has it when installed.
    const QString iconPath = g.AppFolder + QStringLiteral("solitaire-quibel.svg");
    setWindowIcon(QFile::exists(iconPath) ? QIcon(iconPath) : QIcon::fromTheme(QStringLiteral("solitaire-quibel")));
    PrepareDataFolder(g);
    SetGameConstants(g);
    CaptionHandLabels();
    CheckTopTenAge(g);
    LayOutWindow();
    ClearBoard();
    show();
    return true;
}
