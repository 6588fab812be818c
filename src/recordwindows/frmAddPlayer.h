#pragma once

// The small window where a new player's name is typed. It hands its result
// back in the current player's name: the new name, or empty when nothing is added.

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

class frmAddPlayer : public QDialog {
    Q_OBJECT
public:
    explicit frmAddPlayer(QWidget* parent = nullptr);

    QLineEdit* txtPlayerName = nullptr;
    std::array<QPushButton*, 2> btnOkCancel {};

    // 0 OK, 1 Cancel.
    void btnOkCancel_Click(int index);

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool activated_ = false;
    bool closing_ = false;
};

// "Add a Player": clears the current player's name, runs the add window and
// appends the new player to the players file. The name added, or empty.
QString AddNewPlayer(QWidget* parent);
