#pragma once

// The scoreboard of a won game: it recounts the hands row by row, counts up the
// game score and the three bonuses, adds the cleared-board bonus and shows the
// final score credited to the bankroll. The credit, its save and the top ten
// entry happen before the count starts. Its four buttons show only when the
// count is done.

#include "recordwindows/GameEndButtons.h"

#include <QDialog>

#include <array>

class GameWindowAccess;
class Panel3D;
class QColor;
class QLabel;
class QPushButton;

class frmScoreboard : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRows = 9;

    // `game`'s toolbar and status band follow the count; it is freed when the window is left.
    explicit frmScoreboard(GameWindowAccess* game, QWidget* parent = nullptr);

    // Row r (HandType r + 1): the hand's name, how many were made, its price
    // and the row's total.
    std::array<Panel3D*, kRows> nameCells {};
    std::array<Panel3D*, kRows> countCells {};
    std::array<Panel3D*, kRows> priceCells {};
    std::array<Panel3D*, kRows> totalCells {};

    QLabel* lblBonuses = nullptr;
    // Each bonus line is a shadow copy (0) and a top copy (1) with one caption.
    std::array<QLabel*, 2> lblDifferentHandsBonus {};
    std::array<QLabel*, 2> lblCardsRemovedBonus {};
    std::array<QLabel*, 2> lblTimerBonus {};
    Panel3D* pnlDifferentHandsBonus = nullptr;
    Panel3D* pnlCardsRemovedBonus = nullptr;
    Panel3D* pnlTimerBonus = nullptr;
    QLabel* lblGameScore = nullptr;
    QLabel* lblFinalScore = nullptr;
    Panel3D* pnlGameScore = nullptr;
    Panel3D* pnlFinalScore = nullptr;
    QLabel* lblProgramTitleTop = nullptr;
    QLabel* lblProgramTitleBottom = nullptr;
    QLabel* lblFormShadow = nullptr;
    QLabel* lblSeparator = nullptr;

    // The end-of-game buttons, shown once the count is done.
    GameEndButtons* Buttons = nullptr;
    QPushButton* btnClose = nullptr;
    QPushButton* btnNewDeal = nullptr;
    QPushButton* btnSameDeal = nullptr;
    QPushButton* btnExit = nullptr;

    // How the player left the window.
    GameEndChoice Choice() const { return Buttons->Choice(); }

    void HighlightRow(int row);
    void UnhighlightRow(int row);

public slots:
    // Escape and the title bar's close button: Close, once the count is done.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Form_Activate();
    void ScoringRun();
    void ColourRow(int row, const QColor& back, const QColor& fore);

    GameWindowAccess* game_;
    bool started_ = false;
};

// The scoreboard of a won game (after the victory sequence). Returns how the
// player left it.
GameEndChoice ShowScoreboardWindow(GameWindowAccess* game);
