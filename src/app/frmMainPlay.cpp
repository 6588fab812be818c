#include "app/frmMain.h"

#include "cardlib/CardDeck.h"
#include "game/CardState.h"
#include "game/GameState.h"
#include "game/GameTexts.h"
#include "game/Judge.h"
#include "game/Play.h"
#include "game/Removal.h"
#include "game/Selection.h"
#include "game/Undo.h"
#include "ui/MsgBox.h"
#include "ui/Panel3D.h"
#include "ui/Sound.h"
#include "ui/SoundNames.h"

#include <QAction>
#include <QTimer>

void frmMain::Form_MouseDown(Qt::MouseButton, int x, int y)
{
    PressedCard = Cards().InitDrag(x, y);
}

void frmMain::Form_MouseMove()
{
    pnlToolbarCaption->hide();
    pnlHandDefinition->hide();
}

void frmMain::Form_MouseUp(Qt::MouseButton button, int, int)
{
    // A deal or new game in progress takes no play at all.
    if (busy_ > 0)
        return;
    GameState& g = Game();
    if (g.GameInProgress) {
        if (MouseBusy)
            return;
        MouseBusy = true;
        if (button == Qt::RightButton)
            PressedCard = 0;
        if (PressedCard == 0) {
            if (!SubmitSelection()) {
                MouseBusy = false;
                return;
            }
        } else if (IsPicked(Cards(), PressedCard)) {
            DropCard(PressedCard);
        } else {
            PickCard(PressedCard);
        }
    }
    ClosingStep();
}

// The window's side of a release: what the rules say to show, drawn and heard here.
class PlayOnWindow final : public PlayShow {
public:
    explicit PlayOnWindow(frmMain& w)
        : w_(w)
    {
    }

    void Picked(CardId card, int slot) override
    {
        PlayEffect(SoundFile::Bloop2);
        const QPoint at = MarkerPosition(Cards(), card);
        w_.pic_save[slot] = w_.surface_.Grab(QRect(at, kMarkerSaveSize));
        w_.DrawMarker(card);
        w_.board_->update();
    }
    void Dropped(CardId card, int slot) override
    {
        PlayEffect(SoundFile::Bloop);
        if (slot >= 0 && !w_.pic_save[slot].isNull()) {
            w_.surface_.Blit(w_.pic_save[slot], MarkerPosition(Cards(), card));
            w_.board_->update();
        }
    }
    void Refused() override { w_.RefuseWithError(); }
    void ThirdMisplay() override { w_.RunOverviewAction(true); }
    void PlayNote(bool jokersNote) override
    {
        if (jokersNote)
            MsgBox(AboutJokersText(), vbOKOnly | vbInformation, AboutJokersTitle());
        else
            w_.pnlStatusBand->SetCaption(QString());
    }
    void RoyalDing() override { PlayEffect(SoundFile::Ding); }
    void Score() override
    {
        w_.c_score->SetCaption(GameScoreCaption(Game().GameScore));
        w_.c_score->repaint();
    }
    void HandAccepted(int handType, int points) override { w_.AnnounceHand(handType, points); }
    void UndoEnabled() override
    {
        w_.MenuFileUndo->setEnabled(true);
        w_.EnableToolbarButton(ToolbarButton::Undo);
    }
    void Removal(const RemovalStep& step) override { w_.ShowRemoval(step); }
    void ColumnsClosed(const CloseUp& closeUp, int handLabel) override { w_.ShowCloseUp(closeUp, handLabel); }
    void GameOver(GameEnd end) override { w_.ShowGameEnd(end); }
    void ClockStarts() override { w_.SetClockRunning(true); }
    void FeeWonBack() override
    {
        w_.c_score->SetForeColor(frmMain::kScoreGreen);
        if (Game().SoundOn) {
            PlaySound(SoundFile::Scor1);
            Pause(1.0);
        }
    }

private:
    frmMain& w_;
};

void frmMain::ClosingStep()
{
    PlayOnWindow show(*this);
    CloseRelease(Game(), show);
    MouseBusy = false;
}

void frmMain::DropCard(int card)
{
    PlayOnWindow show(*this);
    DropFromPlay(Game(), Cards(), static_cast<CardId>(card), show);
}

void frmMain::PickCard(int card)
{
    PlayOnWindow show(*this);
    PickForPlay(Game(), Cards(), static_cast<CardId>(card), MisplayCount, show);
}

// Returns false when the hand was refused: the closing step then does not run.
bool frmMain::SubmitSelection()
{
    PlayOnWindow show(*this);
    return SubmitPlay(Game(), Cards(), undo_, MisplayCount, show);
}

void frmMain::RefuseWithError()
{
    FlashPicks();
    PlayEffect(SoundFile::Error);
}

void frmMain::ShowHandDefinition(int index)
{
    if (!Game().UseHandPopups)
        return;
    pnlHandDefinition->SetCaption(HandPopupCaption(index));
    pnlHandDefinition->raise();
    pnlHandDefinition->show();
}

void frmMain::ShowRemoval(const RemovalStep& step)
{
    const GameState& g = Game();
    // The strips of the cards above the removed one move down a row. Only the
    // cards move: from the column's top card (whose old strip `erase` is) down
    // to the removed card. The table above them and below them stays put, or
    // its gradient would be shifted a row and show as dark blocks.
    const QRect strips(
        step.copySource.left(), step.erase.top(), step.copySource.width(), step.removedAt.y() - step.erase.top());
    const QPoint stripsTarget = strips.topLeft() + (step.copyTarget - step.copySource.topLeft());
    switch (step.kind) {
    case RemovalCase::ColumnEmptied:
        surface_.Erase(step.erase);
        break;
    case RemovalCase::BottomRemoved:
        // The card leaves the window, the column picture moves down a row and
        // the new bottom card is drawn whole.
        surface_.Erase(QRect(step.removedAt, QSize(g.CardWidth, g.CardHeight)));
        surface_.CopyArea(strips, stripsTarget);
        surface_.DrawCard(step.newBottom, step.newBottomAt.x(), step.newBottomAt.y());
        surface_.Erase(step.erase);
        break;
    case RemovalCase::AboveRemoved:
        if (!strips.isEmpty())
            surface_.CopyArea(strips, stripsTarget);
        surface_.Erase(step.erase);
        break;
    }
    board_->update();
    if (step.dropSound())
        SoundOrPause(SoundFile::Buttup, 0.05);
    else
        DoEvents();
}

void frmMain::ShowCloseUp(const CloseUp& closeUp, int handLabel)
{
    if (closeUp.colGoneSound)
        SoundOrPause(SoundFile::ColGone, 0.2);
    for (const ColumnShift& shift : closeUp.shifts) {
        surface_.CopyArea(shift.copySource, shift.copyTarget);
        // The eraser is wider than a column; kept to the column it clears, it
        // leaves the edge of the next column's cards alone.
        surface_.Erase(shift.erase.intersected(
            QRect(shift.copySource.left(), shift.erase.top(), shift.copySource.width(), shift.erase.height())));
        board_->update();
        // Each step of the slide is shown before the next.
        Pause(0.02);
    }
    RepaintBoard();
    if (handLabel >= 0 && handLabel < kHandLabels) {
        for (int i = 0; i < 4; ++i)
            FlashHandLabel(handLabel);
    }
}

std::unique_ptr<PlayShow> frmMain::MakePlayShow()
{
    return std::make_unique<PlayOnWindow>(*this);
}
