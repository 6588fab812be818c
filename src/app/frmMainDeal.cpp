#include "app/frmMain.h"

#include "cardlib/CardDeck.h"
#include "game/Clock.h"
#include "game/Deal.h"
#include "game/GameState.h"
#include "game/GameTexts.h"
#include "game/Settlement.h"
#include "game/VbMath.h"
#include "records/PlayersFile.h"
#include "ui/Panel3D.h"
#include "ui/Sound.h"
#include "ui/SoundNames.h"
#include "ui/Twips.h"
#include "ui/WindowMotion.h"
#include "ui/frmMsg.h"
#include "ui/frmSaveNotice.h"

#include <QAction>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

namespace {
// A card's flight from where it lies to its place: this many frames.
constexpr int kFlightFrames = 8;
constexpr double kFlightFrameSeconds = 0.006;
} // namespace

void frmMain::ShowPlayerStatus()
{
    c_PlayerStatus->SetCaption(PlayerStatusLine(Game()));
    c_PlayerStatus->show();
}

void frmMain::ShufflingScene()
{
    // Two zig-zag bands of random faces drawn straight onto the board; they
    // stay until the deal clears the surface.
    const bool narrow = Twips(width()) < 11000;
    for (int startY : { 0, 360 }) {
        int x = narrow ? -10 : 0;
        int y = narrow ? startY - 50 : startY;
        for (int run = 0; run < 3; ++run) {
            for (int dir : { +5, -5 }) {
                for (int i = 0; i < 10; ++i) {
                    DoEvents();
                    const int face = 1 + static_cast<int>(Rnd() * 100);
                    y += dir;
                    x += 12;
                    surface_.DrawCard(face, x, y);
                    board_->update();
                }
                Pause(0.1);
            }
        }
    }
}

void frmMain::NewGame()
{
    GameState& g = Game();
    ++busy_;
    // The window manager's frame is known once the window has been shown.
    FitToScreen();
    SetMenusEnabled(false);
    SetClockRunning(false);
    ClearBoard();
    for (Panel3D* l : lblHand)
        l->hide();

    auto* msg = new frmMsg(this);
    msg->SetShadowColor(QColor(0, 128, 0));
    msg->SetLabel1(QStringLiteral("Shuffling the Cards."));
    msg->SetLabel2(QStringLiteral("  Deducting ") + FormatMoney(g.EntryFee) + QStringLiteral(" from your bankroll..."));
    msg->ShowSliding();

    ShufflingScene();
    Pause(2.5);
    PlayEffect(SoundFile::Message2);
    RollUp(msg, QStringLiteral("UP"));
    Pause(0.01);
    msg->deleteLater();

    StartNewGame(g);
    c_score->SetCaption(GameScoreCaption(g.GameScore));
    c_score->show();
    SavePlayersAndTell(g);
    ShowPlayerStatus();
    --busy_;
    DealBoard();
}

void frmMain::FlyCard(int card, int x, int y)
{
    CardDeck& deck = Cards();
    const QPoint from = deck.Position(card);
    const QPoint to(x, y);
    for (int f = 1; f < kFlightFrames; ++f) {
        const QPoint at = from + (to - from) * f / kFlightFrames;
        SetFlyingCard(card, at);
        Pause(kFlightFrameSeconds);
    }
    SetFlyingCard(0, {});
    deck.SetCardX(card, x);
    deck.SetCardY(card, y);
    surface_.DrawCard(card, x, y);
    board_->update();
}

void frmMain::DealBoard()
{
    GameState& g = Game();
    CardDeck& deck = Cards();
    ++busy_;
    SetMenusEnabled(false);
    lblTimer->hide();
    for (QToolButton* b : toolbarButtons)
        b->hide();

    // A restarted game's clock must not tick on during the deal.
    SetClockRunning(false);
    ResetForDeal(g);
    c_score->SetCaption(GameScoreCaption(g.GameScore));
    c_score->SetForeColor(kScoreRed);
    ShowPlayerStatus();
    for (int i = 0; i < kHandLabels; ++i)
        ResetHandLabel(i);
    DisableToolbarButton(ToolbarButton::Undo);
    MenuFileUndo->setEnabled(false);
    ClearBoard();
    PrepareDeck(g, deck);
    if (ArrangeDeck(g))
        ComputeBoardOrigin(g, pnlStatusBand->height(), lblHand[0]->height(), c_Title->height());

    for (int k = 1; k <= kDeckSize; ++k) {
        DoEvents();
        const DealPlacement target = DealTarget(g, k);
        FlyCard(target.card, target.at.x(), target.at.y());
        PlaceDealtCard(g, deck, k);
        if (target.dealSound)
            SoundOrPause(SoundFile::Deal, 0.05);
    }
    FinishLayOut(g);

    SetInGameCommandsEnabled(g.GameInProgress);
    SetMenusEnabled(true);
    lblTimer->SetCaption(StartingTimerText(g));
    lblTimer->show();
    SetClockRunning(false);
    for (QToolButton* b : toolbarButtons) {
        b->show();
        DoEvents();
    }
    for (int pass = 0; pass < 3; ++pass) {
        for (Panel3D* l : lblHand) {
            if (pass == 0)
                l->show();
            l->SetBackColor(pass == 1 ? kHandMade : kHandNormal);
            Pause(0.025);
        }
    }
    PlayEffect(SoundFile::Ding, 1);
    --busy_;
    ShowDealNumber();
}
