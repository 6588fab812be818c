#pragma once

// The player list: every player of the players file with bankroll and average,
// where a player is chosen, added or deleted. Opened at start-up (without its
// close button) and from the game window.

#include <QDialog>

#include <array>
#include <functional>

class GameWindowAccess;
class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;

class frmPlayerList : public QDialog {
    Q_OBJECT
public:
    // `game` is handed on to the instructions the Help menu opens; it may be null.
    explicit frmPlayerList(GameWindowAccess* game, QWidget* parent = nullptr);

    // Titles, placement and the list. With no player in the file this opens
    // the add player window at once, before the list is shown.
    void Load();

    QMenuBar* MenuBar = nullptr;
    QMenu* MenuFile = nullptr;
    QMenu* MenuView = nullptr;
    QMenu* MenuHelp = nullptr;
    QAction* MenuFileAddPlayer = nullptr;
    QAction* MenuFileDeletePlayer = nullptr;
    QAction* MenuFileExit = nullptr;
    QAction* MenuViewTopTen = nullptr;
    QAction* MenuHelpContents = nullptr;
    QAction* MenuHelpOverview = nullptr;
    QAction* MenuHelpCheckForUpdates = nullptr;
    QAction* MenuHelpAbout = nullptr;

    QLabel* lblProgramTitleTop = nullptr;
    QLabel* lblProgramTitleBottom = nullptr;
    QLabel* lblSelectInstructions = nullptr;
    std::array<QLabel*, 3> lblHeadings {};
    QListWidget* lstNames = nullptr;
    QPushButton* btnClose = nullptr;

    void MenuFileAddPlayer_Click();
    void MenuFileDeletePlayer_Click();
    void MenuFileExit_Click();
    void btnClose_Click();
    // A double-click or Enter on a name.
    void lstNames_Choose();

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void Form_Activate(bool firstShowing);
    void FillPlayerList();
    void SelectPlayer();
    void HighlightCurrentEntry();
    void OpenChildWindow(const std::function<void()>& openWindow);
    void TakeUpAddedPlayer();
    QString HighlightedLine() const;

    GameWindowAccess* game_;
    bool activated_ = false;
    bool closing_ = false;
    // A player added here and not chosen yet: closing the list makes that
    // player's own record the current one.
    QString addedPlayer_;
};

// The player list; its close button shows when opened from the game window's menu.
void ShowPlayerListWindow(GameWindowAccess* game, bool showCloseButton);
