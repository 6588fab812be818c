#include "app/frmMain.h"

#include "cardlib/CardDeck.h"
#include "game/Clock.h"
#include "game/GameTexts.h"
#include "game/Play.h"
#include "game/PlaySearch.h"
#include "game/Selection.h"
#include "game/Settlement.h"
#include "game/Undo.h"
#include "records/PlayersFile.h"
#include "recordwindows/frmGameStats.h"
#include "recordwindows/frmScoreboard.h"
#include "ui/MsgBox.h"
#include "ui/Panel3D.h"
#include "ui/Sound.h"
#include "ui/SoundNames.h"
#include "ui/ToolbarIcons.h"
#include "ui/frmSaveNotice.h"

#include <QAction>
#include <QCheckBox>
#include <QTimer>
#include <QToolButton>

void frmMain::tmrClock_Timer()
{
    lblTimer->SetCaption(TickClock(Game()));
}

void frmMain::SetInGameCommandsEnabled(bool enabled)
{
    for (const ToolbarButton button : kInGameToolbarButtons) {
        if (enabled)
            EnableToolbarButton(button);
        else
            DisableToolbarButton(button);
    }
    for (QAction* a :
        { MenuFileRestart, MenuFileUndo, MenuFilePauseGame, MenuFileRefreshScreen, MenuViewGameStats, MenuViewHint })
        a->setEnabled(enabled);
}

void frmMain::CheckForPlays()
{
    if (const std::optional<GameEnd> end = EndGameIfNoPlays(Game(), Cards()))
        ShowGameEnd(*end);
}

void frmMain::ShowGameEnd(GameEnd end)
{
    GameState& g = Game();
    SetClockRunning(false);
    SavePlayersAndTell(g);
    SetInGameCommandsEnabled(g.GameInProgress);
    for (Panel3D* l : lblHand)
        l->hide();

    if (end != GameEnd::Statistics) {
        c_score->SetForeColor(kScoreGreen);
        if (end == GameEnd::Scoreboard) {
            PlayWinSequence();
            CarryOutGameEndChoice(ShowScoreboardWindow(this), true);
        }
    } else {
        PlayEffect(SoundFile::Schz);
        Pause(0.5);
        c_score->SetCaption(GameScoreCaption(g.GameScore));
        c_score->repaint();
        ClearBoard();
        CarryOutGameEndChoice(ShowGameStatsWindow(this, false), false);
    }
}

void frmMain::CarryOutGameEndChoice(GameEndChoice choice, bool won)
{
    GameState& g = Game();
    switch (choice) {
    case GameEndChoice::Close:
        if (won)
            RepaintBoard();
        break;
    case GameEndChoice::NewDeal:
        NewGame();
        break;
    case GameEndChoice::SameDeal:
        // A won deal is replayed for another fee; a lost one, whose fee paid
        // for these cards, for free.
        if (won) {
            Pause(0.15);
            StartPaidReplay(g);
            ShowPlayerStatus();
            SavePlayersAndTell(g);
        } else {
            StartFreeReplay(g);
        }
        DealBoard();
        break;
    case GameEndChoice::Exit:
        close();
        break;
    }
}

void frmMain::MenuViewHint_Click()
{
    GameState& g = Game();
    const QString text = HintText(g, Cards());
    SetCoverVisible(true);
    MsgBox(text, vbOKOnly | vbInformation, HintTitle());
    SetCoverVisible(false);
    ApplyHintPenalty(g);
}

void frmMain::MenuFilePauseGame_Click()
{
    if (Busy())
        return;
    // While the game is paused the pause button offers to resume it.
    QToolButton* pause = Toolbar(ToolbarButton::Pause);
    pause->setIcon(QIcon());
    pause->setText(QStringLiteral(">"));
    MenuViewGameStats_Click(true);
    pause->setText(QString());
    pause->setIcon(ToolbarIcon(ToolbarButton::Pause));
}

void frmMain::MenuFileRestart_Click()
{
    if (Busy())
        return;
    GameState& g = Game();
    if (!g.GameInProgress) {
        NewGame();
        return;
    }
    const QString cr(QLatin1Char('\r'));
    const QString question = QStringLiteral("Would you like to start the current game again from the beginning?") + cr
        + cr + QStringLiteral("Yes = redeal the same hand without forfeiting the entry fee.") + cr
        + QStringLiteral("No = deal a new hand and forfeit the entry fee for the current game.") + cr
        + QStringLiteral("Cancel = return to the game in progress without redealing at all.") + cr + cr + cr + cr;
    SetCoverVisible(true);
    const int answer = MsgBox(question, vbYesNoCancel | vbQuestion, QStringLiteral("New Game or Same Deal?"));
    SetCoverVisible(false);
    if (answer == vbYes) {
        StartFreeReplay(g);
        ClearBoard();
        DealBoard();
    } else if (answer == vbNo) {
        ForfeitGame(g);
        NewGame();
    }
}

void frmMain::MenuFileNewGame_Click()
{
    if (Busy())
        return;
    GameState& g = Game();
    if (!g.GameInProgress) {
        NewGame();
        return;
    }
    const QString question = QStringLiteral("There are more plays left (the game will automatically notify you if "
                                            "there are not any more plays left).  Are you sure you want to forfeit "
                                            "game and the ")
        + FormatMoney(g.EntryFee) + QStringLiteral(" entry fee?");
    if (MsgBox(question, vbYesNo | vbQuestion, QStringLiteral("Exit Game?")) == vbYes) {
        ForfeitGame(g);
        NewGame();
    }
}

bool frmMain::Form_QueryUnload()
{
    const GameState& g = Game();
    if (!g.GameInProgress)
        return true;
    const QString question = QStringLiteral("Do you want to forfeit the current game and the ")
        + FormatMoney(g.EntryFee) + QStringLiteral(" entry fee?");
    return MsgBox(question, vbYesNo | vbQuestion, QStringLiteral("Exit Current Game?")) == vbYes;
}

void frmMain::chkSound_Click()
{
    GameState& g = Game();
    g.SoundOn = chkSound->isChecked();
    PlayEffect(SoundFile::ClickBg);
    SavePlayersAndTell(g);
}

void frmMain::MenuFileUseHandPopups_Click()
{
    // The action toggles its own tick before this runs.
    GameState& g = Game();
    g.UseHandPopups = MenuFileUseHandPopups->isChecked();
    PlayEffect(SoundFile::ClickBg);
    SavePlayersAndTell(g);
}

void frmMain::MenuFileUndo_Click()
{
    if (Busy())
        return;
    GameState& g = Game();
    CardDeck& deck = Cards();
    const std::optional<UndoneLook> look = RestoreUndoBoard(g, deck, undo_);
    if (!look)
        return;
    PlayEffect(SoundFile::Nervous);
    for (int c = 1; c <= g.NumColumns; ++c) {
        const int x = g.BoardLeft + c * g.CardWidth;
        surface_.Erase(QRect(x, g.BoardTop + g.RowStep, g.CardWidth + 2, g.CardHeight + (g.NumRows - 1) * g.RowStep));
        for (int r = 1; r <= g.NumRows; ++r) {
            const CardId card = g.CardGrid(c, r);
            surface_.DrawCard(card, deck.GetCardX(card), deck.GetCardY(card));
        }
        board_->update();
        DoEvents();
    }
    c_score->SetCaption(GameScoreCaption(g.GameScore));
    c_score->repaint();
    c_score->SetForeColor(look->ScoreGreen ? kScoreGreen : kScoreRed);
    for (int i = 0; i < kHandLabels; ++i) {
        if (look->HandLabelLit[i])
            FlashHandLabel(i);
        else
            ResetHandLabel(i);
    }
    MenuFileUndo->setEnabled(false);
    DisableToolbarButton(ToolbarButton::Undo);
    RepaintBoard();
}
