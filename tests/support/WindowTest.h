#pragma once

// What the window tests share: no waits, data in a temporary folder, message
// boxes answered by the test, and a way to act on a modal window once it shows.

#include "game/GameState.h"
#include "ui/MsgBox.h"
#include "ui/Sound.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>

namespace test {

// Points the data folder at a fresh temporary folder and sets waits to zero.
// Keep the returned folder alive for the test's length.
inline std::unique_ptr<QTemporaryDir> IsolateData()
{
    auto dir = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", dir->path().toUtf8());
    SetTimeScale(0);
    return dir;
}

// Records every message box and answers them in turn (OK or the default
// answer when the queue is empty).
struct MsgBoxRecorder {
    QList<MsgBoxCall> calls;
    std::deque<int> answers;
    int defaultAnswer = vbOK;

    MsgBoxRecorder()
    {
        SetMsgBoxResponder([this](const MsgBoxCall& call) {
            calls.append(call);
            if (answers.empty())
                return defaultAnswer;
            const int a = answers.front();
            answers.pop_front();
            return a;
        });
    }
    ~MsgBoxRecorder() { SetMsgBoxResponder({}); }
    MsgBoxRecorder(const MsgBoxRecorder&) = delete;
    MsgBoxRecorder& operator=(const MsgBoxRecorder&) = delete;
};

// The first visible top-level window of type W, or nullptr.
template <class W> W* VisibleWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* typed = qobject_cast<W*>(w); typed && typed->isVisible())
            return typed;
    }
    return nullptr;
}

// Runs `act` on the window of type W as soon as it is visible (polling, so it
// works for windows opened with exec()); gives up after `timeoutMs`.
template <class W> void WhenShown(std::function<void(W*)> act, int timeoutMs = 5000)
{
    auto* timer = new QTimer;
    const QDeadlineTimer deadline(timeoutMs);
    QObject::connect(timer, &QTimer::timeout, [timer, act, deadline] {
        if (W* w = VisibleWindow<W>()) {
            timer->stop();
            timer->deleteLater();
            act(w);
        } else if (deadline.hasExpired()) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

// Waits (processing events) until `done` holds or the time runs out.
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000)
{
    return QTest::qWaitFor(done, timeoutMs);
}

} // namespace test
