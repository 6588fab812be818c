#pragma once

// The statistics of the current game: the score needed, the game score, the
// cards left and the different hands made. During a game it is an information
// window with one button (the pause command shows it with its own texts); at
// the end of a lost game it says the fee is lost and offers the next game.

#include "recordwindows/GameEndButtons.h"

#include <QDialog>

#include <array>

class GameWindowAccess;
class QFrame;
class QLabel;
class QPushButton;

class frmGameStats : public QDialog {
    Q_OBJECT
public:
    // `game` is told when the board is to be cleared (New Deal, Same Deal).
    explicit frmGameStats(GameWindowAccess* game, QWidget* parent = nullptr);

    // The pause form: the shapes and the "Game Paused" line, "Resume" on the button.
    void ShowPaused();

    QLabel* lblScoreNeeded = nullptr;
    QLabel* lblGameScore = nullptr;
    QLabel* lblCardsRemaining = nullptr;
    QLabel* lblDifferentHands = nullptr;
    QLabel* lblSorry = nullptr;
    QLabel* lblGamePaused = nullptr;
    std::array<QFrame*, 2> ShapeGamePaused {};
    // The end-of-game buttons; btnOK is their Close.
    GameEndButtons* Buttons = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnNewDeal = nullptr;
    QPushButton* btnSameDeal = nullptr;
    QPushButton* btnExit = nullptr;

    // How the player left the window.
    GameEndChoice Choice() const { return Buttons->Choice(); }

public slots:
    // Escape and the title bar's close button act as the OK button.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Activate();
    void ArrangeButtons();

    bool activated_ = false;
};

// The statistics of the running or ended game; `paused` gives the pause form.
// Returns how the player left it.
GameEndChoice ShowGameStatsWindow(GameWindowAccess* game, bool paused);
