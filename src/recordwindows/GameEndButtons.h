#pragma once

// The buttons that end the statistics window after a lost game and the
// scoreboard after a won one: Close, New Deal, Same Deal and Exit. A click
// frees the game window (its board cleared for a next deal), slides the window
// out and ends it with the player's choice; the game window then carries the
// choice out. Exit leaves at once; while a game is in progress it asks first,
// and a yes forfeits the game.

#include <QObject>
#include <QString>

class GameWindowAccess;
class QDialog;
class QPushButton;

enum class GameEndChoice { Close, NewDeal, SameDeal, Exit };

class GameEndButtons : public QObject {
    Q_OBJECT
public:
    // Made on `window` with their captions; each window places and shows them.
    // `game` may be null (a window shown without the game window).
    GameEndButtons(QDialog* window, GameWindowAccess* game, const QString& slideDirection);

    QPushButton* Close = nullptr;
    QPushButton* NewDeal = nullptr;
    QPushButton* SameDeal = nullptr;
    QPushButton* Exit = nullptr;

    // Until the window is ready a click does nothing (the scoreboard shows its
    // buttons a moment before its count is over).
    void SetReady(bool ready) { ready_ = ready; }
    void Choose(GameEndChoice choice);
    // The choice the window ended with; Close until then.
    GameEndChoice Choice() const { return choice_; }

private:
    QDialog* window_;
    GameWindowAccess* game_;
    QString slideDirection_;
    bool ready_ = true;
    bool leaving_ = false;
    GameEndChoice choice_ = GameEndChoice::Close;
};
