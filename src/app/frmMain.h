#pragma once

// The game window: the board is drawn on its client area (a BoardSurface),
// with the title band and toolbar above, the hand labels and status band
// below, and the three menus. Its code is split by concern:
//   frmMain.cpp          set-up, layout, menus, toolbar, settings, resizing
//   frmMainPaint.cpp     the board view, painting, markers and cover
//   frmMainDeal.cpp      new game, the shuffling scene and the deal
//   frmMainPlay.cpp      mouse play: picking, submitting, removal, close-up
//   frmMainCommands.cpp  clock, hint, pause, restart, forfeit, undo, exit
//   frmMainWin.cpp       the victory sequence
//   frmMainKeys.cpp      keyboard play: the focus frame, its keys, what a screen reader hears
//   frmMainAids.cpp      Select Deal, Show a Play, Fast Play and the deal number
//   frmMainPar.cpp       Par of This Deal and the par line shown on the board
//   StartUp.cpp          the load sequence

#include "game/KeyboardFocus.h"
#include "game/Undo.h"
#include "ui/BoardSurface.h"
#include "ui/GameWindowAccess.h"
#include "ui/ToolbarButtons.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class Panel3D;
class QAction;
class QCheckBox;
class QMenu;
class QPainter;
class QTimer;
class QToolButton;
class QWidget;
struct CloseUp;
struct LegalPlay;
class PlayShow;
struct RemovalStep;
enum class GameEnd;
enum class GameEndChoice;

class frmMain : public QMainWindow, public GameWindowAccess {
    Q_OBJECT
public:
    static constexpr int kHandLabels = 9;
    static const QColor kHandNormal; // olive
    static const QColor kHandMade; // yellow
    static const QColor kScoreRed;
    static const QColor kScoreGreen;

    frmMain();
    ~frmMain() override;

    // The load sequence of the program, run once by main() after construction.
    void Load();
    // Its first part: folders, data files, constants, top ten, layout, and
    // the window shown with no game. Nothing in it stops the load: true.
    bool PrepareWindow();
    // True once the window has agreed to close: the program is ending.
    bool IsClosing() const { return closing_; }
    // Closes the window and ends the program as the close box does, but
    // without asking: a signal asked for the end.
    void EndOnSignal();

    // Procedures the other windows call.
    void ClearBoard() override; // only the gradient remains
    void RepaintBoard(); // draws CardGrid and the pick markers over what is there
    void ApplyPlayerSettings();
    void CountMisplay();
    void ResetHandLabel(int index);
    void FlashHandLabel(int index);
    void EnableToolbarButton(ToolbarButton button);
    void DisableToolbarButton(ToolbarButton button) override;
    void SetCoverVisible(bool visible) override;
    void SetClockRunning(bool running);
    bool ClockRunning() const;
    // Starts the clock again when a game is in progress and a hand has been made.
    void ResumeClockIfPlaying();
    void ShowPlayerStatus() override;
    void NewGame();
    void DealBoard();
    // Runs after every play and when a new deal is asked for: ends the game when no play is left.
    void CheckForPlays();
    // The victory sequence on this window before the scoreboard.
    void PlayWinSequence();
    // Whether the board, toolbar and menus take input. Only the window's own
    // contents are switched off, so the windows it opens stay usable.
    void EnableGameWindow(bool enabled) override;
    // Carries out how the player left the scoreboard (`won`) or the
    // statistics: the next deal, the same one again, or the end of the program.
    void CarryOutGameEndChoice(GameEndChoice choice, bool won);

    BoardSurface& Surface() { return surface_; }
    QWidget* Board() const { return board_; }

    // Controls (named as the game names them).
    Panel3D* c_Title = nullptr;
    QWidget* c_TitleText = nullptr;
    std::array<QToolButton*, kToolbarButtons> toolbarButtons {};
    QToolButton* Toolbar(ToolbarButton button) const { return toolbarButtons[ToolbarIndex(button)]; }
    Panel3D* pnlToolbarCaption = nullptr;
    std::array<Panel3D*, kHandLabels> lblHand {};
    Panel3D* pnlHandDefinition = nullptr;
    Panel3D* pnlStatusBand = nullptr;
    Panel3D* c_PlayerStatus = nullptr;
    Panel3D* c_score = nullptr;
    Panel3D* lblTimer = nullptr;
    QCheckBox* chkSound = nullptr;
    QTimer* tmrClock = nullptr;
    QWidget* pic_covercards = nullptr;

    QMenu* MenuGame = nullptr;
    QMenu* MenuView = nullptr;
    QMenu* MenuHelp = nullptr;
    QAction* MenuFileNewGame = nullptr;
    QAction* MenuFileRestart = nullptr;
    QAction* MenuFilePauseGame = nullptr;
    QAction* MenuFileUndo = nullptr;
    QAction* MenuFileRefreshScreen = nullptr;
    QAction* MenuFileUseHandPopups = nullptr;
    QAction* MenuFileExit = nullptr;
    QAction* MenuViewGameStats = nullptr;
    QAction* MenuViewHint = nullptr;
    QAction* MenuViewPlayerList = nullptr;
    QAction* MenuViewTopTenScores = nullptr;
    QAction* MenuHelpContents = nullptr;
    QAction* MenuHelpOverview = nullptr;
    QAction* MenuCheckForUpdates = nullptr;
    QAction* MenuHelpAbout = nullptr;
    QAction* MenuFileSelectDeal = nullptr;
    QAction* MenuFileFastPlay = nullptr;
    QAction* MenuViewShowPlay = nullptr;
    QAction* MenuViewPar = nullptr;

    int MisplayCount = 0;

    // Menu and toolbar handlers.
    void MenuFileNewGame_Click();
    void MenuFileRestart_Click();
    void MenuFilePauseGame_Click();
    void MenuFileUndo_Click();
    void MenuFileRefreshScreen_Click();
    void MenuFileUseHandPopups_Click();
    void MenuViewGameStats_Click(bool paused = false);
    void MenuViewHint_Click();
    void MenuViewPlayerList_Click();
    void MenuViewTopTenScores_Click();
    void MenuHelpContents_Click();
    void MenuHelpOverview_Click();
    void MenuCheckForUpdates_Click();
    void MenuHelpAbout_Click();
    void Toolbar_Click(ToolbarButton button);
    void Toolbar_MouseMove(ToolbarButton button);
    void tmrClock_Timer();
    void chkSound_Click();
    void MenuFileSelectDeal_Click();
    void MenuFileFastPlay_Click();
    void MenuViewShowPlay_Click();
    void MenuViewPar_Click();
    // True while the par line is being played on the board.
    bool ShowingParLine() const { return showingParLine_; }

    // Keyboard play on the board: true when the key was taken.
    bool Board_KeyPress(int key);
    // The card under the focus frame, 0 while the frame is not shown.
    CardId FocusedCard();
    // The cards Show a Play marks now (0 after the last).
    const std::array<CardId, 5>& ShownPlay() const { return shownPlay_; }

    // Mouse play on the board (pixels of the board).
    void Form_MouseDown(Qt::MouseButton button, int x, int y);
    void Form_MouseMove();
    void Form_MouseUp(Qt::MouseButton button, int x, int y);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class BoardView;
    friend class PlayOnWindow;
    // The additions (frmMainAids.cpp, frmMainKeys.cpp).
    void BuildAdditions();
    void ShowDealNumber();
    void AnnounceHand(int handType, int points);
    void Announce(const QString& text);
    void AnnounceFocus();
    void DropAllPicks();
    void PaintKeyboardAids(QPainter& p);
    QRect VisibleCardRect(CardId card) const;
    CardId focusCard_ = 0;
    BoardCell focusCell_;
    std::array<CardId, 5> shownPlay_ {};
    int shownPlayBoard_ = 0; // CardsOnBoard when it was shown: a play ends the marks
    QTimer* showPlayTimer_ = nullptr;

    // Par of This Deal (frmMainPar.cpp).
    void BuildParCommand();
    void ShowParLine(const std::vector<LegalPlay>& line);
    bool showingParLine_ = false;
    // The window's side of the play rules (frmMainPlay.cpp), for plays the window shows on its own.
    std::unique_ptr<PlayShow> MakePlayShow();

    void BuildControls();
    void BuildMenus();
    void BuildToolbar();
    void LayOutWindow();
    void FitToScreen();
    int FittedBoardHeight(const QRect& avail) const;
    void Form_Resize();
    void CaptionHandLabels();
    QString ToolbarHoverText(ToolbarButton button) const;
    void RunOverviewAction(bool hideDoNotShow);
    void OpenWindowOverGame(const std::function<void()>& openWindow, bool playerList = false);
    bool Form_QueryUnload();
    void SetMenusEnabled(bool enabled);
    void SetInGameCommandsEnabled(bool enabled);

    // The play (frmMainPlay.cpp).
    void PickCard(int card);
    void DropCard(int card);
    bool SubmitSelection();
    void ClosingStep();
    void ShowHandDefinition(int index);
    void ShowRemoval(const RemovalStep& step);
    void ShowCloseUp(const CloseUp& closeUp, int handLabel);
    // How the game ended: the victory and scoreboard, or the statistics.
    void ShowGameEnd(GameEnd end);
    void DrawMarker(int card);
    // A refused hand: "Error.wav" and the picked cards' markers flash. The
    // flash is drawn over the board's picture on a timer of its own, so it
    // changes neither the picture nor the play's timing.
    void RefuseWithError();
    void FlashPicks();
    void RefusalFlashStep();
    void PaintRefusalFlash(QPainter& p);

    // The deal (frmMainDeal.cpp).
    void FlyCard(int card, int x, int y);
    void ShufflingScene();

    // The card in flight over the board (drawn over the surface), 0 for none.
    void SetFlyingCard(int card, QPoint at);
    int flyingCard_ = 0;
    QPoint flyingAt_;
    // Above 0 while a new game or a deal is running: mouse play and the
    // commands that change the board wait until it is done.
    int busy_ = 0;
    bool Busy() const { return busy_ > 0 || MouseBusy; }

    QWidget* board_ = nullptr;
    BoardSurface surface_;
    QPixmap pic_Play;
    QPixmap pic_PlayRefused;
    QTimer* refusalTimer_ = nullptr;
    int refusalFlashes_ = 0;
    std::array<QPixmap, 5> pic_save;
    UndoRecord undo_;
    int PressedCard = 0;
    bool MouseBusy = false;
    bool closing_ = false;
    int windowsOverGame_ = 0; // windows open over the game just now; the clock waits for them
    bool smallScreen_ = false;
};
