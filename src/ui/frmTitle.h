#pragma once

// The title window of the start: the letters of the game's name fly in one by
// one over a white-to-blue ramp, bounce, and the window slides away by itself.
// It takes no input; closing it early is refused until the animation is over.

#include <QDialog>

#include <array>

class QLabel;
class QWidget;

class frmTitle : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLetters = 16; // SOLITAIRE (0..8), QUIBEL (9..14), TM (15)

    explicit frmTitle(QWidget* parent = nullptr);

    // Element 0 is part of the design; 1..15 are made when the animation starts.
    std::array<QLabel*, kLetters> lblProgramName {};
    QLabel* lblWelcome = nullptr;
    QWidget* shpBar = nullptr;

    // True once the animation has run to its end.
    bool Finished() const { return finished_; }

public slots:
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Activate();
    void LoadLetters();
    void FlyLetter(int index, int target);
    void Bounce(int index);
    void SetBar(int width, int height);

    bool activated_ = false;
    bool finished_ = false;
};

void ShowTitleWindow();
