#include "app/frmMain.h"

#include "cardlib/CardDeck.h"
#include "game/GameState.h"
#include "game/GameTexts.h"
#include "game/ParView.h"
#include "game/Play.h"
#include "game/Undo.h"
#include "ui/Panel3D.h"
#include "ui/Sound.h"
#include "ui/frmPar.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMenu>
#include <QThread>

namespace {
// The pace of the shown line: a player's clicks, then the right click.
constexpr double kPickSeconds = 0.4;
constexpr double kPlaySeconds = 0.8;
// The last board stays in sight this long before the ended game comes back.
constexpr double kLastBoardSeconds = 2.0;
// Waits are taken in steps this long, so a click stops the line at once.
constexpr double kWatchStep = 0.1;

// The window's own showing of a play, without what belongs only to the
// player's game: the undo, the clock, the help after misplays, the jokers
// note and the end of the game (no save, no scoreboard, no statistics).
class ParLineShow final : public PlayShow {
public:
    explicit ParLineShow(PlayShow& window)
        : w_(window)
    {
    }
    void Picked(CardId card, int slot) override { w_.Picked(card, slot); }
    void Dropped(CardId card, int slot) override { w_.Dropped(card, slot); }
    void Refused() override { w_.Refused(); }
    void ThirdMisplay() override { }
    void PlayNote(bool jokersNote) override
    {
        if (!jokersNote)
            w_.PlayNote(false);
    }
    void RoyalDing() override { w_.RoyalDing(); }
    void Score() override { w_.Score(); }
    void HandAccepted(int handType, int points) override { w_.HandAccepted(handType, points); }
    void UndoEnabled() override { }
    void Removal(const RemovalStep& step) override { w_.Removal(step); }
    void ColumnsClosed(const CloseUp& closeUp, int handLabel) override { w_.ColumnsClosed(closeUp, handLabel); }
    void GameOver(GameEnd) override { }
    void ClockStarts() override { }
    void FeeWonBack() override { w_.FeeWonBack(); }

private:
    PlayShow& w_;
};

// While the line is shown, the player's first click or key anywhere in the
// game window stops it and goes no further (it is no play); closing the
// window waits until the ended game is back.
class StopOnInput final : public QObject {
public:
    explicit StopOnInput(QWidget* window)
        : window_(window)
    {
        qApp->installEventFilter(this);
    }
    ~StopOnInput() override { Release(); }
    // Input reaches the window again.
    void Release() { qApp->removeEventFilter(this); }

    bool stopped = false;
    bool closeAsked = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Close:
            if (watched != window_)
                return false;
            stopped = closeAsked = true;
            event->ignore();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
            if (!InWindow(watched))
                return false;
            stopped = true;
            return true;
        case QEvent::MouseButtonRelease:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
            return InWindow(watched);
        default:
            return false;
        }
    }

private:
    bool InWindow(QObject* o) const { return o->isWidgetType() && static_cast<QWidget*>(o)->window() == window_; }
    QWidget* window_;
};

// Searches par off the window's thread; the window keeps painting meanwhile.
ParReport FindParWithWindowAlive(uint32_t dealNumber, int32_t yours)
{
    ParReport report;
    QEventLoop loop;
    std::unique_ptr<QThread> worker(QThread::create(
        [&report, dealNumber, yours] { report = FindParOfDeal(dealNumber, yours, kParSeconds, kParMaxPlays); }));
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    // The loop also ends when the program is told to end.
    worker->wait();
    return report;
}
} // namespace

void frmMain::BuildParCommand()
{
    MenuViewPar = new QAction(QStringLiteral("P&ar of This Deal"), this);
    const QList<QAction*> actions = MenuView->actions();
    const qsizetype after = actions.indexOf(MenuViewShowPlay) + 1;
    MenuView->insertAction(after > 0 && after < actions.size() ? actions[after] : nullptr, MenuViewPar);
    connect(MenuViewPar, &QAction::triggered, this, &frmMain::MenuViewPar_Click);
    // The in-game commands change as a game starts and ends: par is there
    // exactly when they are not, once a game has been dealt.
    const auto update = [this] { MenuViewPar->setEnabled(!showingParLine_ && ParAvailable(Game())); };
    connect(MenuViewHint, &QAction::changed, this, update);
    connect(MenuView, &QMenu::aboutToShow, this, update);
    update();
}

void frmMain::MenuViewPar_Click()
{
    const GameState& g = Game();
    if (Busy() || showingParLine_ || !ParAvailable(g))
        return;
    ++busy_;
    SetMenusEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ParReport report = FindParWithWindowAlive(g.DealNumber, PlayerScoreWithoutTimer(g));
    QApplication::restoreOverrideCursor();
    SetMenusEnabled(true);
    --busy_;
    if (closing_)
        return;
    if (frmPar::Ask(ParTitle(), ParText(report), !report.line.empty(), this))
        ShowParLine(report.line);
    board_->setFocus();
}

void frmMain::ShowParLine(const std::vector<LegalPlay>& line)
{
    // Everything the shown line changes, put back as it was when it ends: the
    // ended game's state is the one the records were saved from.
    const GameState ended = Game();
    const CardDeck endedCards = Cards();
    const BoardSurface endedSurface = surface_;
    const QString scoreCaption = c_score->Caption();
    const QColor scoreColour = c_score->ForeColor();
    const QString note = pnlStatusBand->Caption();
    std::array<bool, kHandLabels> labelShown {};
    std::array<QColor, kHandLabels> labelColour {};
    for (int i = 0; i < kHandLabels; ++i) {
        labelShown[i] = lblHand[i]->isVisible();
        labelColour[i] = lblHand[i]->BackColor();
    }
    const CardId endedFocus = focusCard_;
    const bool pausesSkipped = PausesSkipped();

    showingParLine_ = true;
    ++busy_;
    SetMenusEnabled(false);
    MenuViewPar->setEnabled(false);
    // The line is shown at the game's own pace, Fast Play or not.
    SetPausesSkipped(false);
    StopOnInput input(this);
    const auto watch = [this, &input](double seconds) {
        for (double waited = 0; waited < seconds && !input.stopped && !closing_; waited += kWatchStep)
            Pause(kWatchStep);
        return !input.stopped && !closing_;
    };

    // The deal as it was dealt, without a fee, the shuffling scene or a record.
    Position shown = DealAgainForShow(ended, endedCards);
    Game() = shown.g;
    Cards() = shown.cards;
    focusCard_ = 0;
    c_score->SetCaption(GameScoreCaption(0));
    c_score->SetForeColor(kScoreRed);
    for (int i = 0; i < kHandLabels; ++i) {
        ResetHandLabel(i);
        lblHand[i]->show();
    }
    RepaintBoard();

    const std::unique_ptr<PlayShow> window = MakePlayShow();
    ParLineShow show(*window);
    UndoRecord undo;
    int misplays = 0;
    bool watching = true;
    for (const LegalPlay& play : line) {
        if (!(watching = watch(kPlaySeconds)))
            break;
        for (int i = 0; i < play.count && watching; ++i) {
            PickForPlay(Game(), Cards(), play.cards[i], misplays, show);
            watching = watch(kPickSeconds);
        }
        if (!watching)
            break;
        SubmitPlay(Game(), Cards(), undo, misplays, show);
        CloseRelease(Game(), show);
    }
    if (watching)
        watch(kLastBoardSeconds);

    Game() = ended;
    Cards() = endedCards;
    if (surface_.Size() == endedSurface.Size())
        surface_ = endedSurface;
    else
        ClearBoard(); // the window was resized meanwhile
    board_->update();
    focusCard_ = endedFocus;
    c_score->SetCaption(scoreCaption);
    c_score->SetForeColor(scoreColour);
    pnlStatusBand->SetCaption(note);
    for (int i = 0; i < kHandLabels; ++i) {
        lblHand[i]->SetBackColor(labelColour[i]);
        lblHand[i]->setVisible(labelShown[i]);
    }
    input.Release();
    SetPausesSkipped(pausesSkipped);
    SetMenusEnabled(true);
    --busy_;
    showingParLine_ = false;
    MenuViewPar->setEnabled(ParAvailable(Game()));
    if (input.closeAsked)
        close();
}
