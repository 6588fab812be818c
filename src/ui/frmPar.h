#pragma once

// The par of the deal just played beside the player's score, with "Show Me"
// to watch the par line played on the board and "Close".

#include <QDialog>

class QLabel;
class QPushButton;

class frmPar : public QDialog {
    Q_OBJECT
public:
    // `canShow` false hides "Show Me" (a deal with no play to show).
    frmPar(const QString& title, const QString& text, bool canShow, QWidget* parent = nullptr);

    QLabel* lblText = nullptr;
    QPushButton* btnShowMe = nullptr;
    QPushButton* btnClose = nullptr;

    // Shows the window modally: true when the player asked to be shown the line.
    static bool Ask(const QString& title, const QString& text, bool canShow, QWidget* parent);
};
