#pragma once

// The instructions (Overview/Quick Start): a short how-to-play, a picture of a
// game in progress shown on the first activation, a way into the help, and the
// current player's switch for showing the instructions at start-up.

#include <QDialog>

class GameWindowAccess;
class QCheckBox;
class QLabel;
class QPushButton;

class frmInstructions : public QDialog {
    Q_OBJECT
public:
    // `game`'s cover is lifted while the window is open; it may be null.
    explicit frmInstructions(GameWindowAccess* game, QWidget* parent = nullptr);

    QLabel* lblTitle = nullptr;
    QLabel* lblInstructions = nullptr;
    QLabel* lblShowExample = nullptr;
    QLabel* lblHelpTips = nullptr;
    QCheckBox* chkDoNotShow = nullptr;
    QPushButton* btnClose = nullptr;

public slots:
    // Escape and the close box leave the way the close button does.
    void reject() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    void btnClose_Click();
    void lblShowExample_Click();
    void lblHelpTips_Click();

    GameWindowAccess* game_;
    // Set on the first activation, so the example opens by itself only once.
    bool activated_ = false;
    bool closing_ = false;
};

// The instructions; `hideDoNotShow` hides the switch-off check box (misplays).
void ShowInstructionsWindow(GameWindowAccess* game, bool hideDoNotShow);
