#include "app/frmMain.h"

#include "game/GameState.h"
#include "game/VbMath.h"
#include "recordwindows/frmScoreboard.h"
#include "ui/Panel3D.h"
#include "ui/Sound.h"
#include "ui/SoundNames.h"
#include "ui/Twips.h"
#include "ui/frmMsg.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

namespace {
const QColor kLabelBright(255, 255, 0);
const QColor kLabelDim(192, 192, 0);
constexpr int kCascadeRun = 15;
constexpr int kCascadeStepX = 10;
constexpr int kCascadeStepY = 22;

// Narrow screens start the cascades further left so all four fit.
int CascadeStartX(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const int screenTwips = Twips(screen ? screen->geometry().width() : 1024);
    if (screenTwips < 10000)
        return -5;
    if (screenTwips < 11000)
        return 20;
    return 62;
}
} // namespace

void frmMain::EnableGameWindow(bool enabled)
{
    centralWidget()->setEnabled(enabled);
    menuBar()->setEnabled(enabled);
}

void frmMain::PlayWinSequence()
{
    for (Panel3D* l : lblHand) {
        l->SetBackColor(kLabelBright);
        l->show();
    }
    Pause(0.25);
    for (const QColor& c : { kLabelDim, kLabelBright, kLabelDim, kLabelBright }) {
        for (Panel3D* l : lblHand) {
            l->SetBackColor(c);
            Pause(0.01);
        }
    }

    ClearBoard();
    // The board takes no clicks until a scoreboard button hands it back.
    EnableGameWindow(false);

    auto* msg = new frmMsg(this);
    msg->SetLabel1(QStringLiteral("No more plays.  You Won!!!"));
    msg->SetLabel2(QStringLiteral("Preparing to calculate final score ..."));
    msg->ShowSliding();
    DoEvents();

    PlayEffect(SoundFile::Shim);
    Pause(0.25);
    for (Panel3D* l : lblHand) {
        l->hide();
        Pause(0.05);
    }

    // Each cascade draws two V shapes side by side, 30 cards wide.
    const int startX = CascadeStartX(this);
    for (int startY : { 40, 60, 80, 100 }) {
        int x = startX;
        int y = startY;
        int face = 1;
        for (int pass = 0; pass < 2; ++pass) {
            for (int dir : { +1, -1 }) {
                for (int i = 0; i < kCascadeRun; ++i) {
                    DoEvents();
                    face = static_cast<int>(100 * Rnd()) + 1;
                    surface_.DrawCard(face, x, y);
                    board_->update();
                    y += dir * kCascadeStepY;
                    x += kCascadeStepX;
                }
                if (dir < 0) {
                    surface_.DrawCard(face, x, y);
                    board_->update();
                }
                Pause(0.05);
            }
        }
    }

    Pause(1.0);
    ClearBoard();
    show();
    PlayEffect(SoundFile::Message2);
    msg->close();
    msg->deleteLater();
}
