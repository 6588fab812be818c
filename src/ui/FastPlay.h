#pragma once

// Fast play: the title, the shuffling scene, the deal, the removals and the
// scoreboard's count run without their pauses; every sound, score and text
// stays the same. Off unless the player turned it on; the choice is kept in
// the desktop's settings, never in the players file.

#include <QObject>

bool FastPlayOn();
// Keeps the choice and applies it at once.
void SetFastPlay(bool on);
// Applies the kept choice (start-up).
void ApplyFastPlay();

// Lives for one count of the scoreboard: with fast play on, a click or a key
// anywhere in the program finishes the count at once (the sounds still
// waited for are cut short); the waits come back when it goes.
class CountHurry : public QObject {
    Q_OBJECT
public:
    CountHurry();
    ~CountHurry() override;
    bool Hurried() const { return hurried_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool watching_ = false;
    bool hurried_ = false;
    double scale_ = 1.0;
};
