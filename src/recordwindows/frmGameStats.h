#pragma once

// The statistics of the current game: the score needed, the game score, the
// cards left and the different hands made. During a game it is an information
// window with one button (the pause command shows it with its own texts); at
// the end of a lost game it says the fee is lost and offers the next game.

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

class frmGameStats : public QDialog {
    Q_OBJECT
public:
    explicit frmGameStats(QWidget* parent = nullptr);

    // The pause form: the shapes and the "Game Paused" line, "Resume" on the button.
    void ShowPaused();

    QLabel* lblScoreNeeded = nullptr;
    QLabel* lblGameScore = nullptr;
    QLabel* lblCardsRemaining = nullptr;
    QLabel* lblDifferentHands = nullptr;
    QLabel* lblSorry = nullptr;
    QLabel* lblGamePaused = nullptr;
    std::array<QFrame*, 2> ShapeGamePaused {};
    QPushButton* btnOK = nullptr;
    QPushButton* btnNewDeal = nullptr;
    QPushButton* btnSameDeal = nullptr;
    QPushButton* btnExit = nullptr;

    void btnOK_Click();
    void btnNewDeal_Click();
    void btnSameDeal_Click();
    void btnExit_Click();

public slots:
    // Escape and the title bar's close button act as the OK button.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Activate();
    void ArrangeButtons();
    bool BeginLeaving();

    bool activated_ = false;
    bool leaving_ = false;
};

// The statistics of the running or ended game; `paused` gives the pause form.
void ShowGameStatsWindow(bool paused);
