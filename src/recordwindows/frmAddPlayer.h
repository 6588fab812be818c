#pragma once

// The small window where a new player's name is typed. Its result is the
// checked name, or empty when nothing is to be added.

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

    // The name to add: empty after Cancel or an empty name.
    QString Name() const { return name_; }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString name_;
    bool activated_ = false;
    bool closing_ = false;
};

// "Add a Player": clears the current player's name, runs the add window and
// appends the new player to the players file; the name typed becomes the
// current player's name. The name added, or empty.
QString AddNewPlayer(QWidget* parent);
