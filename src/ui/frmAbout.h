#pragma once

// The about window: the game's name with its shadow and trademark sign over a
// blue ramp, its version, and an OK button.

#include <QDialog>

class QLabel;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* lblProgramTitleTop = nullptr;
    QLabel* lblProgramTitleBottom = nullptr;
    QLabel* lblTM = nullptr;
    QLabel* lblVersion = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnUpdates = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Activate();
    void btnOK_Click();
};

void ShowAboutWindow();
