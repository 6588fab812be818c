#pragma once

// The ten best final scores with the names of their players. The current
// player's row shows in yellow when the game that made it has ended.

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

class frmTopTen : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRows = 10;
    static const QColor kRowColor;
    static const QColor kCurrentPlayerColor;

    explicit frmTopTen(QWidget* parent = nullptr);

    // Sorts the table in memory and shows it.
    void Load();

    QLabel* lblProgramTitleTop = nullptr;
    QLabel* lblProgramTitleBottom = nullptr;
    QLabel* lblHeading = nullptr;
    // Row i: its rank, the name and the score.
    std::array<QLabel*, kRows> lblRank {};
    std::array<QLabel*, kRows> lblName {};
    std::array<QLabel*, kRows> lblScore {};
    QPushButton* btnOK = nullptr;
    QPushButton* btnResetScores = nullptr;

    void btnOK_Click();
    void btnResetScores_Click();

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool activated_ = false;
    bool closing_ = false;
};

void ShowTopTenWindow();
