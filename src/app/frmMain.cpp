#include "app/frmMain.h"

#include "app/BoardView.h"
#include "cardlib/CardDeck.h"
#include "game/Clock.h"
#include "game/GameState.h"
#include "game/GameTexts.h"
#include "game/Play.h"
#include "recordwindows/frmGameStats.h"
#include "recordwindows/frmPlayerList.h"
#include "recordwindows/frmTopTen.h"
#include "ui/HelpWindow.h"
#include "ui/Panel3D.h"
#include "ui/Sound.h"
#include "ui/SoundNames.h"
#include "ui/ToolbarIcons.h"
#include "ui/Twips.h"
#include "ui/UpdateCheck.h"
#include "ui/WindowMotion.h"
#include "ui/WindowText.h"
#include "ui/frmAbout.h"
#include "ui/frmInstructions.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

const QColor frmMain::kHandNormal(192, 192, 0);
const QColor frmMain::kHandMade(255, 255, 0);
const QColor frmMain::kScoreRed(255, 0, 0);
const QColor frmMain::kScoreGreen(0, 128, 0);

namespace {
// The client area below the menu bar: 12000 by 9000 twips less the frame,
// title bar and menu bar of the window.
constexpr int kClientWidth = 792;
constexpr int kClientHeight = 550;
constexpr int kTitleHeight = 34;
constexpr int kStatusHeight = 26;
constexpr int kHandLabelWidth = 83;
constexpr int kHandLabelHeight = 36;
constexpr int kButtonSize = 19;
// Left to right the toolbar shows the buttons in this order.
constexpr std::array<ToolbarButton, kToolbarButtons> kToolbarOrder
    = { ToolbarButton::Pause, ToolbarButton::PlayerList, ToolbarButton::TopTen, ToolbarButton::GameStats,
          ToolbarButton::Undo, ToolbarButton::NewGame, ToolbarButton::Hint, ToolbarButton::Help };
} // namespace

frmMain::frmMain()
{
    SetMainWindow(this);
    BuildControls();
    BuildMenus();
    BuildToolbar();
    BuildAdditions();
    BuildParCommand();
}

frmMain::~frmMain()
{
    if (MainWindow() == this)
        SetMainWindow(nullptr);
}

void frmMain::BuildControls()
{
    board_ = new BoardView(this);
    board_->setFixedSize(kClientWidth, kClientHeight);
    // On a screen too small for the board every part of it stays reachable.
    auto* scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidget(board_);
    setCentralWidget(scroller);

    c_Title = new Panel3D(board_);
    c_Title->SetBackColor(QColor(0, 0, 96));
    auto* titleText = new QLabel(QStringLiteral("Solitaire Quibel"), c_Title);
    SetTextColor(titleText, QColor(255, 255, 0));
    QFont titleFont = titleText->font();
    titleFont.setPointSize(13);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    titleText->setFont(titleFont);
    c_TitleText = titleText;
    c_Title->setMouseTracking(true);
    connect(c_Title, &Panel3D::hovered, this, [this] { pnlToolbarCaption->hide(); });

    pnlToolbarCaption = new Panel3D(c_Title, Panel3D::Bevel::Sunken);
    pnlToolbarCaption->SetBackColor(QColor(255, 255, 225));
    pnlToolbarCaption->hide();

    lblTimer = new Panel3D(c_Title, Panel3D::Bevel::Sunken);
    lblTimer->SetBackColor(Qt::black);
    lblTimer->SetForeColor(QColor(0, 255, 0));
    QFont timerFont = lblTimer->font();
    timerFont.setBold(true);
    lblTimer->setFont(timerFont);

    pnlStatusBand = new Panel3D(board_);
    c_PlayerStatus = new Panel3D(pnlStatusBand, Panel3D::Bevel::Sunken);
    c_PlayerStatus->setFont(FixedFont(9));
    c_PlayerStatus->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    c_PlayerStatus->SetFitToWidth(true); // the longest names the game takes
    c_PlayerStatus->hide();
    c_score = new Panel3D(pnlStatusBand, Panel3D::Bevel::Sunken);
    QFont scoreFont = c_score->font();
    scoreFont.setBold(true);
    c_score->setFont(scoreFont);
    c_score->SetForeColor(kScoreRed);
    chkSound = new QCheckBox(QStringLiteral("Use &Sound Effects"), pnlStatusBand);
    connect(chkSound, &QCheckBox::clicked, this, [this] { chkSound_Click(); });

    QFont handFont = font();
    handFont.setPixelSize(10);
    handFont.setBold(true);
    for (int i = 0; i < kHandLabels; ++i) {
        lblHand[i] = new Panel3D(board_);
        lblHand[i]->setFont(handFont);
        lblHand[i]->SetBackColor(kHandNormal);
        connect(lblHand[i], &Panel3D::hovered, this, [this, i] { ShowHandDefinition(i); });
        connect(lblHand[i], &Panel3D::doubleClicked, this, [this, i] { ShowHandDefinition(i); });
        connect(lblHand[i], &Panel3D::pressed, this, [this](Qt::MouseButton b) {
            if (b == Qt::RightButton)
                Form_MouseUp(Qt::RightButton, 0, 0);
        });
    }

    pnlHandDefinition = new Panel3D(board_);
    pnlHandDefinition->SetBackColor(QColor(255, 255, 225));
    pnlHandDefinition->setAlignment(Qt::AlignCenter);
    pnlHandDefinition->hide();

    pic_covercards = new CoverView(this, board_);
    pic_covercards->hide();

    refusalTimer_ = new QTimer(this);
    refusalTimer_->setInterval(100);
    connect(refusalTimer_, &QTimer::timeout, this, [this] { RefusalFlashStep(); });

    tmrClock = new QTimer(this);
    tmrClock->setInterval(1000);
    connect(tmrClock, &QTimer::timeout, this, [this] { tmrClock_Timer(); });
}

void frmMain::BuildMenus()
{
    auto add = [this](QMenu* menu, const QString& caption, const QKeySequence& key, void (frmMain::*handler)()) {
        QAction* a = menu->addAction(caption);
        if (!key.isEmpty())
            a->setShortcut(key);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    MenuGame = menuBar()->addMenu(QStringLiteral("&Game"));
    MenuFileNewGame = add(MenuGame, QStringLiteral("&New Game"), {}, &frmMain::MenuFileNewGame_Click);
    MenuGame->addSeparator();
    MenuFileRestart = add(MenuGame, QStringLiteral("&Restart Game"), {}, &frmMain::MenuFileRestart_Click);
    MenuFilePauseGame = add(MenuGame, QStringLiteral("&Pause Game"), QKeySequence(QStringLiteral("Ctrl+P")),
        &frmMain::MenuFilePauseGame_Click);
    MenuFileUndo = add(MenuGame, QStringLiteral("&Undo Last Move"), QKeySequence(QStringLiteral("Ctrl+Z")),
        &frmMain::MenuFileUndo_Click);
    MenuFileRefreshScreen = add(MenuGame, QStringLiteral("R&efresh Screen"), QKeySequence(QStringLiteral("F12")),
        &frmMain::MenuFileRefreshScreen_Click);
    MenuGame->addSeparator();
    MenuFileUseHandPopups
        = add(MenuGame, QStringLiteral("Use Hand Definition Pop-ups"), {}, &frmMain::MenuFileUseHandPopups_Click);
    MenuFileUseHandPopups->setCheckable(true);
    MenuFileUseHandPopups->setChecked(true);
    MenuGame->addSeparator();
    MenuFileExit = MenuGame->addAction(QStringLiteral("E&xit"));
    connect(MenuFileExit, &QAction::triggered, this, [this] { close(); });

    MenuView = menuBar()->addMenu(QStringLiteral("&View"));
    MenuViewGameStats = MenuView->addAction(QStringLiteral("Current Game &Stats"));
    MenuViewGameStats->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    connect(MenuViewGameStats, &QAction::triggered, this, [this] { MenuViewGameStats_Click(false); });
    MenuView->addSeparator();
    MenuViewHint
        = add(MenuView, QStringLiteral("&Hint"), QKeySequence(QStringLiteral("Ctrl+H")), &frmMain::MenuViewHint_Click);
    MenuView->addSeparator();
    MenuViewPlayerList = add(MenuView, QStringLiteral("&Player List"), {}, &frmMain::MenuViewPlayerList_Click);
    MenuViewTopTenScores = add(MenuView, QStringLiteral("&Top Ten Scores"), {}, &frmMain::MenuViewTopTenScores_Click);

    MenuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    MenuHelpContents = add(
        MenuHelp, QStringLiteral("&Contents"), QKeySequence(QStringLiteral("F1")), &frmMain::MenuHelpContents_Click);
    MenuHelpOverview = add(MenuHelp, QStringLiteral("Overview/&Quick Start"), {}, &frmMain::MenuHelpOverview_Click);
    MenuHelp->addSeparator();
    MenuCheckForUpdates = add(MenuHelp, QStringLiteral("Check For &Updates"), {}, &frmMain::MenuCheckForUpdates_Click);
    MenuHelpAbout = add(MenuHelp, QStringLiteral("&About"), {}, &frmMain::MenuHelpAbout_Click);
}

void frmMain::BuildToolbar()
{
    for (const ToolbarButton button : kAllToolbarButtons) {
        auto* b = new ToolButton(c_Title);
        b->setIcon(ToolbarIcon(button));
        b->setIconSize(QSize(15, 15));
        b->setFixedSize(kButtonSize, kButtonSize);
        b->setAutoRaise(false);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [this, button] { Toolbar_Click(button); });
        connect(b, &ToolButton::hovered, this, [this, button] { Toolbar_MouseMove(button); });
        connect(b, &ToolButton::left, this, [this] { pnlToolbarCaption->hide(); });
        toolbarButtons[ToolbarIndex(button)] = b;
    }
    for (const ToolbarButton button : kAllToolbarButtons)
        Toolbar(button)->setToolTip(ToolbarHoverText(button).trimmed());
}

void frmMain::LayOutWindow()
{
    GameState& g = Game();
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int screenTwips = Twips(screen ? screen->geometry().width() : 1024);
    smallScreen_ = screenTwips < 11000;
    g.CardWidth = CardDeck::kCardWidth;
    g.CardHeight = CardDeck::kCardHeight;
    g.RowStep = smallScreen_ ? 38 : 50;
    g.NumColumns = 8;
    g.NumRows = 7;

    FitToScreen();
    // The window keeps its size on a large screen; a small one gets it maximised.
    if (smallScreen_) {
        // Where no window manager maximises it, the window still takes the screen.
        setGeometry(QRect(avail.topLeft(), avail.size() - (frameGeometry().size() - size())));
        setWindowState(Qt::WindowMaximized);
    } else
        move(avail.left() + (avail.width() - frameGeometry().width()) / 2,
            avail.top() + (avail.height() - frameGeometry().height()) / 2);

    for (const ToolbarButton button : { ToolbarButton::GameStats, ToolbarButton::Undo, ToolbarButton::Hint })
        DisableToolbarButton(button);
    g.SelectedCount = 0;
}

int frmMain::FittedBoardHeight(const QRect& avail) const
{
    const GameState& g = Game();
    // Below this the cards' columns would reach the title band or the hand labels.
    const int column = g.CardHeight + (g.NumRows - 1) * g.RowStep;
    const int least = kTitleHeight + kStatusHeight + static_cast<int>(1.5 * kHandLabelHeight) + column;
    const int frame = frameGeometry().height() - geometry().height();
    int room = avail.height() - frame - menuBar()->sizeHint().height();
    // A board wider than the screen scrolls sideways, and its scroll bar takes room too.
    if (avail.width() < kClientWidth + frameGeometry().width() - width())
        room -= style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return qBound(least, room, kClientHeight);
}

// The board is as high as the screen allows, down to what the cards need;
// what still does not fit scrolls.
void frmMain::FitToScreen()
{
    GameState& g = Game();
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int W = kClientWidth;
    const int H = FittedBoardHeight(avail);
    if (surface_.Size().height() == H)
        return;
    board_->setFixedSize(W, H);
    if (!smallScreen_) {
        const QSize frame = frameGeometry().size() - size();
        const QSize content(W, H + menuBar()->sizeHint().height());
        setFixedSize(content.boundedTo(avail.size() - frame));
        if (!avail.contains(frameGeometry()))
            move(qBound(avail.left(), x(), avail.right() - frameGeometry().width() + 1),
                qBound(avail.top(), y(), avail.bottom() - frameGeometry().height() + 1));
    }

    surface_.Resize(QSize(W, H), devicePixelRatioF());
    c_Title->setGeometry(0, 0, W, kTitleHeight);
    c_TitleText->setGeometry(10, 0, 220, kTitleHeight);
    pnlStatusBand->setGeometry(0, H - kStatusHeight, W, kStatusHeight);
    pic_covercards->setGeometry(0, kTitleHeight, W, pnlStatusBand->y() - kTitleHeight);
    g.BoardWidth = static_cast<int16_t>(W);
    g.BoardHeight = static_cast<int16_t>(H);

    // The toolbar runs right to left from the help button, 300 twips apart.
    const int pitch = Px(300);
    int left = W - kButtonSize - pitch;
    const int top = (kTitleHeight - kButtonSize) / 2;
    for (int k = kToolbarButtons - 1; k >= 0; --k) {
        Toolbar(kToolbarOrder[k])->move(left, top);
        left -= pitch;
    }
    pnlToolbarCaption->setGeometry(Toolbar(ToolbarButton::Pause)->x() - 112 - Px(100), top, 112, kButtonSize);

    const int statusTop = 3;
    const int statusHeight = kStatusHeight - 6;
    c_score->setGeometry(W - 130 - Px(200), statusTop, 130, statusHeight);
    c_PlayerStatus->setGeometry(6, statusTop, 470, statusHeight);
    chkSound->setGeometry(484, statusTop, 150, statusHeight);

    const int gap = static_cast<int>(std::nearbyint((W - 9.0 * kHandLabelWidth) / 10.0));
    const int labelTop = static_cast<int>(H - (1.25 * kHandLabelHeight + kStatusHeight));
    int labelLeft = smallScreen_ ? -10 : gap;
    for (int i = 0; i < kHandLabels; ++i) {
        lblHand[i]->setGeometry(labelLeft, labelTop, kHandLabelWidth, kHandLabelHeight);
        labelLeft += gap + kHandLabelWidth;
    }
    pnlHandDefinition->setGeometry((W - 540) / 2, smallScreen_ ? Px(150) : labelTop - 124, 540, 116);

    lblTimer->setGeometry(smallScreen_ ? 2 : W / 2 - 90, top, 180, kButtonSize);
}

void frmMain::CaptionHandLabels()
{
    const GameState& g = Game();
    for (int i = 0; i < kHandLabels; ++i)
        lblHand[i]->SetCaption(HandName(i + 1) + QLatin1Char('\r') + FormatMoney(g.HandPoints[i + 1]));
    lblTimer->SetCaption(StartingTimerText(g));
}

void frmMain::ClearBoard()
{
    surface_.Clear();
    board_->update();
}

void frmMain::ApplyPlayerSettings()
{
    const GameState& g = Game();
    chkSound->setChecked(g.SoundOn);
    chkSound->show();
    MenuFileUseHandPopups->setChecked(g.UseHandPopups);
    if (g.ShowInstructions) {
        Pause(0.5);
        RunOverviewAction(false);
    }
}

void frmMain::CountMisplay()
{
    if (::CountMisplay(MisplayCount))
        RunOverviewAction(true);
}

void frmMain::ResetHandLabel(int index)
{
    if (index >= 0 && index < kHandLabels)
        lblHand[index]->SetBackColor(kHandNormal);
}

void frmMain::FlashHandLabel(int index)
{
    if (index < 0 || index >= kHandLabels)
        return;
    lblHand[index]->SetBackColor(kHandMade);
    Pause(0.1);
    ResetHandLabel(index);
    Pause(0.1);
    lblHand[index]->SetBackColor(kHandMade);
}

void frmMain::EnableToolbarButton(ToolbarButton button)
{
    Toolbar(button)->setEnabled(true);
}

void frmMain::DisableToolbarButton(ToolbarButton button)
{
    Toolbar(button)->setEnabled(false);
}

void frmMain::SetCoverVisible(bool visible)
{
    if (visible) {
        pic_covercards->raise();
        pic_covercards->show();
    } else {
        pic_covercards->hide();
    }
}

void frmMain::SetClockRunning(bool running)
{
    if (running)
        tmrClock->start();
    else
        tmrClock->stop();
}

bool frmMain::ClockRunning() const
{
    return tmrClock->isActive();
}

void frmMain::ResumeClockIfPlaying()
{
    if (ClockRuns(Game()))
        SetClockRunning(true);
}

QString frmMain::ToolbarHoverText(ToolbarButton button) const
{
    switch (button) {
    case ToolbarButton::TopTen:
        return QStringLiteral(" High Scores ");
    case ToolbarButton::PlayerList:
        return QStringLiteral(" Player List ");
    case ToolbarButton::Undo:
        return QStringLiteral(" Undo Last Move ");
    case ToolbarButton::GameStats:
        return QStringLiteral(" Game Stats ");
    case ToolbarButton::Hint:
        return QStringLiteral(" Hint ");
    case ToolbarButton::Help:
        return QStringLiteral(" Help ");
    case ToolbarButton::NewGame:
        return Game().GameInProgress ? QStringLiteral(" Restart Game") : QStringLiteral(" Start New Game");
    case ToolbarButton::Pause:
        return Toolbar(ToolbarButton::Pause)->text() == QLatin1String(">") ? QStringLiteral(" Resume Game ")
                                                                           : QStringLiteral(" Pause Game ");
    }
    return {};
}

void frmMain::Toolbar_MouseMove(ToolbarButton button)
{
    const QString text = ToolbarHoverText(button);
    pnlToolbarCaption->SetCaption(text);
    pnlToolbarCaption->show();
    // The tooltip follows the caption (New Game and Pause change theirs with the game).
    Toolbar(button)->setToolTip(text.trimmed());
}

void frmMain::Toolbar_Click(ToolbarButton button)
{
    pnlToolbarCaption->hide();
    switch (button) {
    case ToolbarButton::TopTen:
        MenuViewTopTenScores_Click();
        break;
    case ToolbarButton::PlayerList:
        MenuViewPlayerList_Click();
        break;
    case ToolbarButton::Undo:
        MenuFileUndo_Click();
        break;
    case ToolbarButton::GameStats:
        MenuViewGameStats_Click(false);
        break;
    case ToolbarButton::Hint:
        MenuViewHint_Click();
        break;
    case ToolbarButton::Help:
        MenuHelpContents_Click();
        break;
    case ToolbarButton::NewGame:
        if (Game().GameInProgress)
            MenuFileRestart_Click();
        else
            MenuFileNewGame_Click();
        break;
    case ToolbarButton::Pause:
        MenuFilePauseGame_Click();
        break;
    }
}

// About, Game Stats, Top Ten and Player List open the same way: the board is
// covered and the clock stopped while the window is open.
void frmMain::OpenWindowOverGame(const std::function<void()>& openWindow, bool playerList)
{
    GameState& g = Game();
    const QString playerBefore = g.PlayerName;
    if (g.GameInProgress)
        SetCoverVisible(true);
    PlaySound(SoundFile::ClickBg);
    SetClockRunning(false);
    ++windowsOverGame_;
    openWindow();
    --windowsOverGame_;
    SetCoverVisible(false);
    ResumeClockIfPlaying();
    if (playerList && g.PlayerName != playerBefore) {
        // The last game was the previous player's: the status band shows the
        // new player before the settings may open the instructions.
        g.GameScore = 0;
        c_score->SetCaption(GameScoreCaption(g.GameScore));
        ShowPlayerStatus();
        ApplyPlayerSettings();
        NewGame();
    }
}

void frmMain::MenuViewGameStats_Click(bool paused)
{
    GameEndChoice choice = GameEndChoice::Close;
    OpenWindowOverGame([&] { choice = ShowGameStatsWindow(this, paused); });
    CarryOutGameEndChoice(choice, false);
}

void frmMain::MenuViewPlayerList_Click()
{
    OpenWindowOverGame([this] { ShowPlayerListWindow(this, true); }, true);
}

void frmMain::MenuViewTopTenScores_Click()
{
    OpenWindowOverGame([] { ShowTopTenWindow(); });
}

void frmMain::MenuHelpAbout_Click()
{
    OpenWindowOverGame([] { ShowAboutWindow(); });
}

void frmMain::RunOverviewAction(bool hideDoNotShow)
{
    if (Game().GameInProgress)
        SetCoverVisible(true);
    PlaySound(SoundFile::ClickBg);
    ShowInstructionsWindow(this, hideDoNotShow);
}

void frmMain::MenuHelpOverview_Click()
{
    RunOverviewAction(false);
}

void frmMain::MenuHelpContents_Click()
{
    ShowHelpContents(this);
}

void frmMain::MenuCheckForUpdates_Click()
{
    ShowUpdateCheck(this);
}

void frmMain::MenuFileRefreshScreen_Click()
{
    // A repaint in the middle of a play's animation would be copied about by its next steps.
    if (Busy())
        return;
    RepaintBoard();
}

void frmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
    else if (event->type() == QEvent::ActivationChange && isActiveWindow() && !Busy())
        RepaintBoard();
}

// The window keeps its size (it is fixed), so only the clock follows
// minimising and restoring; restored under a window open over the game (a
// paused game's too), the clock waits until that window closes.
void frmMain::Form_Resize()
{
    if (isMinimized())
        SetClockRunning(false);
    else if (windowsOverGame_ == 0)
        ResumeClockIfPlaying();
}

void frmMain::SetMenusEnabled(bool enabled)
{
    for (QMenu* m : { MenuGame, MenuView, MenuHelp })
        m->menuAction()->setEnabled(enabled);
}

void frmMain::EndOnSignal()
{
    closing_ = true;
    close();
    // The window may already be in the middle of closing (its question open):
    // every event loop ends, the open windows' too.
    QCoreApplication::exit(0);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (closing_ || Form_QueryUnload()) {
        closing_ = true;
        event->accept();
        QCoreApplication::exit(0);
    } else {
        event->ignore();
    }
}
