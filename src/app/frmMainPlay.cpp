#include "app/frmMain.h"

#include "cardlib/CardDeck.h"
#include "game/GameState.h"
#include "game/GameTexts.h"
#include "game/Judge.h"
#include "game/Removal.h"
#include "game/Selection.h"
#include "game/Undo.h"
#include "ui/MsgBox.h"
#include "ui/Panel3D.h"
#include "ui/Sound.h"

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

void frmMain::ClosingStep()
{
    GameState& g = Game();
    if (MarkFeeWonBack(g)) {
        c_score->SetForeColor(kScoreGreen);
        if (g.SoundOn) {
            PlaySound(QStringLiteral("scor1.wav"));
            Pause(1.0);
        }
    }
    MouseBusy = false;
}

void frmMain::DropCard(int card)
{
    GameState& g = Game();
    PlayEffect(QStringLiteral("Bloop.wav"));
    const int slot = ::DropCard(g, Cards(), static_cast<CardId>(card));
    if (slot >= 0 && !pic_save[slot].isNull()) {
        surface_.Blit(pic_save[slot], MarkerPosition(Cards(), static_cast<CardId>(card)));
        board_->update();
    }
}

void frmMain::PickCard(int card)
{
    GameState& g = Game();
    if (g.SelectedCount >= 5) {
        RefuseWithError();
        CountMisplay();
        ShowPlayNote();
        return;
    }
    MisplayCount = 0;
    PlayEffect(QStringLiteral("Bloop2.wav"));
    const int slot = ::PickCard(g, Cards(), static_cast<CardId>(card));
    if (slot < 0)
        return;
    const QPoint at = MarkerPosition(Cards(), static_cast<CardId>(card));
    pic_save[slot] = surface_.Grab(QRect(at, kMarkerSaveSize));
    DrawMarker(card);
    board_->update();
}

// Returns false when the hand was refused: the closing step then does not run.
bool frmMain::SubmitSelection()
{
    GameState& g = Game();
    CardDeck& deck = Cards();
    const AdjacencyResult adjacency = CheckAdjacent(g, deck);
    if (adjacency.Refused) {
        RefuseWithError();
        CountMisplay();
        ShowPlayNote();
        return true;
    }
    if (adjacency.AdjacentLinks == 0)
        return true;

    const UndoCounters before = KeepUndoCounters(g);
    const Judgement verdict = JudgeSelection(g);
    switch (verdict.verdict) {
    case Verdict::Hand:
        if (verdict.royalDing)
            PlayEffect(QStringLiteral("ding.wav"));
        LastHandLabel = verdict.handLabel();
        ShowPlayNote();
        break;
    case Verdict::JokerRemoval:
        ShowPlayNote();
        break;
    case Verdict::Refused:
        RefuseWithError();
        CountMisplay();
        ShowPlayNote();
        break;
    case Verdict::JokersRefused:
        ShowJokersNote = true;
        ShowPlayNote();
        RefuseWithError();
        CountMisplay();
        break;
    case Verdict::Nothing:
        break;
    }
    c_score->SetCaption(QStringLiteral("Game:  ") + FormatMoney(g.GameScore));
    c_score->repaint();
    if (!verdict.accepted()) {
        if (verdict.verdict != Verdict::Nothing)
            CountMisplay();
        return false;
    }
    AnnounceHand(verdict.handType, verdict.points);

    SaveUndoBoard(undo_, g, deck, before);
    MenuFileUndo->setEnabled(true);
    EnableToolbarButton(2);
    RemoveSelectedCards();
    FinishPlay();
    CheckForPlays();
    if (g.CardsOnBoard < kDeckSize && g.GameInProgress)
        SetClockRunning(true);
    return true;
}

void frmMain::RefuseWithError()
{
    FlashPicks();
    PlayEffect(QStringLiteral("Error.wav"));
}

void frmMain::ShowPlayNote()
{
    if (ShowJokersNote) {
        ShowJokersNote = false;
        MsgBox(AboutJokersText(), vbOKOnly | vbInformation, AboutJokersTitle());
        ApplyJokersNotePenalty(Game());
    } else {
        Panel3D1->SetCaption(QString());
    }
}

void frmMain::ShowHandDefinition(int index)
{
    if (!Game().UseHandPopups)
        return;
    pnlHandDefinition->SetCaption(HandPopupCaption(index));
    pnlHandDefinition->raise();
    pnlHandDefinition->show();
}

void frmMain::RemoveSelectedCards()
{
    GameState& g = Game();
    CardDeck& deck = Cards();
    for (int i = 0; i < 5; ++i) {
        const CardId card = g.SelectedCards[i];
        if (card == 0 || deck.GetUser2(card) != -1)
            continue;
        if (const auto step = RemoveCardAndDrop(g, deck, card))
            ShowRemoval(*step);
    }
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
    if (step.dropSound()) {
        if (g.SoundOn)
            PlaySound(QStringLiteral("buttup.wav"));
        else
            Pause(0.05);
    } else {
        DoEvents();
    }
}

void frmMain::FinishPlay()
{
    GameState& g = Game();
    const CloseUp closeUp = CloseUpColumns(g, Cards());
    if (closeUp.colGoneSound) {
        if (g.SoundOn)
            PlaySound(QStringLiteral("ColGone.wav"));
        else
            Pause(0.2);
    }
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
    if (LastHandLabel >= 0 && LastHandLabel < kHandLabels) {
        for (int i = 0; i < 4; ++i)
            FlashHandLabel(LastHandLabel);
    }
    LastHandLabel = -1;
}
