#pragma once

// What the window tests share: no waits, data in a temporary folder, a fresh
// game with or without its window, message boxes answered by the test, and a
// way to act on a modal window once it shows or to close the windows of a
// game's end. It brings the game window and the widgets the tests look at.

#include "app/StartUpData.h"
#include "app/frmMain.h"
#include "cardlib/CardDeck.h"
#include "game/GameState.h"
#include "records/PlayerLock.h"
#include "records/PlayersFile.h"
#include "recordwindows/frmGameStats.h"
#include "recordwindows/frmScoreboard.h"
#include "recordwindows/frmTopTen.h"
#include "ui/MsgBox.h"
#include "ui/Panel3D.h"
#include "ui/Sound.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>

namespace test {

// A fresh GameState as at start-up with no waits, its data folder prepared
// in a temporary folder kept alive by the returned object. The last test's
// player lock goes first, while its folder is still there.
inline std::unique_ptr<QTemporaryDir> FreshGame()
{
    ChosenPlayerLock().Release();
    auto dir = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", dir->path().toUtf8());
    SetTimeScale(0);
    GameState& g = Game();
    g = GameState {};
    g.ProgramName = QStringLiteral("Solitaire Quibel");
    g.AppFolder = qEnvironmentVariable("QUIBEL_APP_DIR") + QLatin1Char('/');
    PrepareDataFolder(g);
    return dir;
}

// Adds the player to the players file and plays as it, with the sound off.
inline void PlayAs(const QString& name)
{
    GameState& g = Game();
    QVERIFY(AppendPlayer(g.PlayersFilePath, name));
    LoadPlayer(g, *FindPlayer(g.PlayersFilePath, name));
    g.SoundOn = false;
}

// Sounds in the order heard, without ".wav", a sound heard n times running as
// "name*n": "Bloop2*2 buttup".
inline QString Runs(const QStringList& names)
{
    QStringList runs;
    for (qsizetype i = 0, n = 1; i < names.size(); i += n) {
        for (n = 1; i + n < names.size() && names[i + n] == names[i];)
            ++n;
        runs.append(QString(names[i]).remove(QStringLiteral(".wav")) + (n > 1 ? u'*' + QString::number(n) : QString()));
    }
    return runs.join(u' ');
}

// The sounds started while it lives, by name, in order (from the sound
// layer's log).
class SoundsHeard {
public:
    SoundsHeard()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("quibel.sound.debug=true"));
        previous_ = qInstallMessageHandler(&Hear);
        current_ = this;
    }
    ~SoundsHeard()
    {
        current_ = nullptr;
        qInstallMessageHandler(previous_);
        QLoggingCategory::setFilterRules(QString());
    }
    SoundsHeard(const SoundsHeard&) = delete;
    SoundsHeard& operator=(const SoundsHeard&) = delete;
    QStringList names;
    QString Runs() const { return test::Runs(names); }

private:
    static inline SoundsHeard* current_ = nullptr;
    static inline QtMessageHandler previous_ = nullptr;
    static void Hear(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (current_ && context.category && qstrcmp(context.category, "quibel.sound") == 0)
            current_->names.append(message);
        else if (previous_)
            previous_(type, context, message);
    }
};

// The game window prepared over a fresh game, optionally with a player and
// shown on screen.
class GameWindow {
public:
    void Open(const QString& player = {}, bool exposed = false)
    {
        data_ = FreshGame();
        w_ = std::make_unique<frmMain>();
        QVERIFY(w_->PrepareWindow());
        if (!player.isEmpty())
            PlayAs(player);
        if (exposed)
            QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
    }
    void Close()
    {
        w_.reset();
        data_.reset();
    }
    frmMain* get() const { return w_.get(); }
    frmMain* operator->() const { return w_.get(); }

private:
    std::unique_ptr<QTemporaryDir> data_;
    std::unique_ptr<frmMain> w_;
};

// Records every message box and answers them in turn (OK or the default
// answer when the queue is empty).
struct MsgBoxRecorder {
    QList<MsgBoxCall> calls;
    std::deque<int> answers;
    std::function<void()> onCall; // runs while the box is open
    int defaultAnswer = vbOK;

    explicit MsgBoxRecorder(std::initializer_list<int> inTurn = {})
        : answers(inTurn)
    {
        SetMsgBoxResponder([this](const MsgBoxCall& call) {
            calls.append(call);
            if (onCall)
                onCall();
            if (answers.empty())
                return defaultAnswer;
            const int a = answers.front();
            answers.pop_front();
            return a;
        });
    }
    ~MsgBoxRecorder() { SetMsgBoxResponder({}); }
    QStringList Titles() const { return Column(&MsgBoxCall::title); }
    QStringList Texts() const { return Column(&MsgBoxCall::text); }
    template <class T> QList<T> Column(T MsgBoxCall::*field) const
    {
        QList<T> column;
        for (const MsgBoxCall& call : calls)
            column.append(call.*field);
        return column;
    }
    MsgBoxRecorder(const MsgBoxRecorder&) = delete;
    MsgBoxRecorder& operator=(const MsgBoxRecorder&) = delete;
};

// "1" or "0" for each item as `on` says, to compare many states in one go.
template <class Items, class On> QString Flags(const Items& items, On on)
{
    QString flags;
    for (const auto& item : items)
        flags += on(item) ? u'1' : u'0';
    return flags;
}

// The middle of the card's visible part at a column and row of the board.
inline QPoint CardCentre(int column, int row)
{
    const GameState& g = Game();
    const int y = g.BoardTop + row * g.RowStep + (row == g.NumRows ? g.CardHeight / 2 : g.RowStep / 2);
    return { g.BoardLeft + column * g.CardWidth + g.CardWidth / 2, y };
}

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

// Closes the windows the end of a game opens, as a player would: the top ten,
// the scoreboard once its buttons show (`onScoreboard` sees it first), the
// statistics. Active while it lives.
class GameEndCloser {
public:
    explicit GameEndCloser(std::function<void(frmScoreboard*)> onScoreboard = {})
    {
        QObject::connect(&timer_, &QTimer::timeout, [onScoreboard] {
            if (auto* t = VisibleWindow<frmTopTen>())
                t->btnOK->click();
            else if (auto* s = VisibleWindow<frmScoreboard>()) {
                if (onScoreboard)
                    onScoreboard(s);
                if (s->btnClose->isVisible())
                    s->btnClose->click(); // does nothing until the count is over
            } else if (auto* st = VisibleWindow<frmGameStats>())
                st->btnOK->click();
        });
        timer_.start(5);
    }

private:
    QTimer timer_;
};

} // namespace test
