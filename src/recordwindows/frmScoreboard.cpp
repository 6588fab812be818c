#include "recordwindows/frmScoreboard.h"
#include "ui/Ramp.h"

#include "game/Deal.h"
#include "game/GameState.h"
#include "game/Settlement.h"
#include "records/PlayersFile.h"
#include "records/SavePoints.h"
#include "records/TopTen.h"
#include "recordwindows/frmTopTen.h"
#include "ui/FastPlay.h"
#include "ui/GameWindowAccess.h"
#include "ui/MsgBox.h"
#include "ui/Panel3D.h"
#include "ui/Sound.h"
#include "ui/SoundNames.h"
#include "ui/ToolbarButtons.h"
#include "ui/Twips.h"
#include "ui/WindowMotion.h"
#include "ui/WindowText.h"
#include "ui/frmSaveNotice.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <limits>

namespace {
constexpr int kWidth = 500;
constexpr int kHeight = 560;
constexpr int kRowsTop = 60;
constexpr int kRowPitch = 24;
constexpr int kRowHeight = 22;
constexpr int kLeft = 20;
constexpr int kAmountLeft = 348;
constexpr int kAmountWidth = 132;
constexpr int kLeaderWidth = kAmountLeft - kLeft - 4;
constexpr int kButtonsTop = kHeight - 46;

const QColor kRowLit(192, 192, 0);
const QColor kRowLitText(255, 255, 255);
const QColor kRowPlain(128, 128, 128);
const QColor kRowPlainText(224, 224, 224);
const QColor kInk(0, 0, 96);

const QString kMark = QString(QChar(0x00BB));

QLabel* MakeLabel(QWidget* parent, const QRect& at, const QColor& color, const QFont& font)
{
    QLabel* l = ColouredLabel(parent, color, font);
    l->setGeometry(at);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

// A line drawn twice: a light shadow one pixel down and right, the ink over it.
std::array<QLabel*, 2> MakeShadowedLine(QWidget* parent, int top, const QFont& font)
{
    return { MakeLabel(parent, QRect(kLeft + 1, top + 1, kLeaderWidth, kRowHeight), Qt::white, font),
        MakeLabel(parent, QRect(kLeft, top, kLeaderWidth, kRowHeight), kInk, font) };
}

Panel3D* MakeAmount(QWidget* parent, const QRect& at, const QFont& font)
{
    auto* p = new Panel3D(parent, Panel3D::Bevel::Sunken);
    p->setGeometry(at);
    p->setFont(font);
    p->SetBackColor(Qt::black);
    p->SetForeColor(QColor(255, 255, 0));
    p->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return p;
}

void SetBoth(const std::array<QLabel*, 2>& line, const QString& text)
{
    for (QLabel* l : line)
        l->setText(text);
}

// With sound off each of the count's sounds is a pause this long.
constexpr double kCountSoundPause = 0.1;

QString Amount(qint64 value)
{
    return FormatMoney(value) + QLatin1Char(' ');
}

// Every figure of a count-up but the last with "buttup.wav", the last (the
// exact one) with "scor1.wav".
void ShowCountUp(const QList<int32_t>& figures, const std::function<void(int32_t)>& show)
{
    for (qsizetype k = 0; k < figures.size(); ++k) {
        show(figures[k]);
        SoundOrPause(k + 1 < figures.size() ? SoundFile::Buttup : SoundFile::Scor1, kCountSoundPause);
    }
}

QString CardsRemovedCaption(int removed, const QString& dots)
{
    return kMark + QStringLiteral(" Cards Removed (") + QString::number(removed) + QStringLiteral(") x ")
        + FormatMoney(Game().CardRemovedBonus) + dots;
}
} // namespace

frmScoreboard::frmScoreboard(GameWindowAccess* game, QWidget* parent)
    : QDialog(parent)
    , game_(game)
{
    const GameState& g = Game();
    setFixedSize(kWidth, kHeight);
    setWindowTitle(g.ProgramName + QStringLiteral(" Scoreboard"));

    const QFont titleFont = SizedFont(18, true, true);
    lblProgramTitleBottom = MakeLabel(this, QRect(12, 10, kWidth - 20, 38), QColor(112, 112, 112), titleFont);
    lblProgramTitleTop = MakeLabel(this, QRect(10, 8, kWidth - 20, 38), QColor(255, 255, 0), titleFont);
    for (QLabel* l : { lblProgramTitleBottom, lblProgramTitleTop }) {
        l->setAlignment(Qt::AlignCenter);
        l->setText(g.ProgramName + QStringLiteral(" Scoreboard"));
    }
    lblSeparator = new QLabel(this);
    lblSeparator->setGeometry(kLeft, 50, kWidth - 2 * kLeft, 2);
    lblSeparator->setStyleSheet(QStringLiteral("background: rgb(192, 192, 0);"));

    const QFont cellFont = SizedFont(9);
    for (int r = 0; r < kRows; ++r) {
        const int top = kRowsTop + r * kRowPitch;
        const std::array<QRect, 4> cells = { QRect(kLeft, top, 150, kRowHeight), QRect(174, top, 56, kRowHeight),
            QRect(234, top, 110, kRowHeight), QRect(kAmountLeft, top, kAmountWidth, kRowHeight) };
        const std::array<Qt::Alignment, 4> aligns
            = { Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignRight };
        const std::array<std::array<Panel3D*, kRows>*, 4> columns
            = { &nameCells, &countCells, &priceCells, &totalCells };
        for (int k = 0; k < 4; ++k) {
            auto* p = new Panel3D(this);
            p->setGeometry(cells[k]);
            p->setFont(cellFont);
            p->setAlignment(aligns[k] | Qt::AlignVCenter);
            (*columns[k])[r] = p;
        }
        nameCells[r]->SetCaption(QLatin1Char(' ') + HandName(r + 1));
        UnhighlightRow(r);
    }

    const QFont lineFont = SizedFont(9);
    const int scoreTop = kRowsTop + kRows * kRowPitch + 8;
    lblGameScore = MakeLabel(this, QRect(kLeft, scoreTop, kLeaderWidth, 24), kInk, lineFont);
    lblGameScore->setText(QStringLiteral("Game Score . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . "
                                         ". . . . . . . . . . ."));
    pnlGameScore = MakeAmount(this, QRect(kAmountLeft, scoreTop, kAmountWidth, 24), lineFont);

    lblBonuses = MakeLabel(this, QRect(kLeft, scoreTop + 34, 200, 20), kInk, SizedFont(10));
    lblBonuses->setText(QStringLiteral("BONUSES"));
    const int bonusTop = scoreTop + 58;
    lblDifferentHandsBonus = MakeShadowedLine(this, bonusTop, lineFont);
    lblCardsRemovedBonus = MakeShadowedLine(this, bonusTop + 26, lineFont);
    lblTimerBonus = MakeShadowedLine(this, bonusTop + 52, lineFont);
    pnlDifferentHandsBonus = MakeAmount(this, QRect(kAmountLeft, bonusTop, kAmountWidth, kRowHeight), lineFont);
    pnlCardsRemovedBonus = MakeAmount(this, QRect(kAmountLeft, bonusTop + 26, kAmountWidth, kRowHeight), lineFont);
    pnlTimerBonus = MakeAmount(this, QRect(kAmountLeft, bonusTop + 52, kAmountWidth, kRowHeight), lineFont);

    const int finalTop = bonusTop + 92;
    const QFont finalFont = SizedFont(10);
    lblFinalScore = MakeLabel(this, QRect(kLeft, finalTop, kLeaderWidth, 28), kInk, finalFont);
    lblFinalScore->setText(
        QStringLiteral("FINAL SCORE (Game Score + Bonuses) . . . . . . . . . . . . . . . . . . . ."));
    pnlFinalScore = MakeAmount(this, QRect(kAmountLeft, finalTop, kAmountWidth, 28), SizedFont(12));

    // The band behind the buttons waits below the window until they show.
    lblFormShadow = new QLabel(this);
    lblFormShadow->setGeometry(10, kHeight, kWidth - 20, 44);
    lblFormShadow->setStyleSheet(QStringLiteral("background: rgb(64, 64, 64);"));

    Buttons = new GameEndButtons(this, game, QStringLiteral("UP"));
    Buttons->SetReady(false);
    btnClose = Buttons->Close;
    btnNewDeal = Buttons->NewDeal;
    btnSameDeal = Buttons->SameDeal;
    btnExit = Buttons->Exit;
    int k = 0;
    for (QPushButton* b : { btnClose, btnNewDeal, btnSameDeal, btnExit }) {
        b->setGeometry(kLeft + k++ * 116, kButtonsTop, 108, 28);
        b->hide();
    }

    CenterOnMain(this);
    move(x(), y() + Px(250));
}

void frmScoreboard::paintEvent(QPaintEvent*)
{
    // Black at the top to white at the bottom.
    QPainter p(this);
    PaintRamp(p, rect(), 0, 255, 2, [](int v) { return QColor(v, v, v); });
}

void frmScoreboard::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, &frmScoreboard::Form_Activate);
}

void frmScoreboard::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, &frmScoreboard::Form_Activate);
}

void frmScoreboard::Form_Activate()
{
    // Coming back from the top ten window (or any other) must neither recount
    // nor credit the bankroll again.
    if (started_ || !isVisible())
        return;
    started_ = true;
    {
        // With fast play on, a click or key finishes the count at once.
        const CountHurry hurry;
        ScoringRun();
    }
    // The buttons show a moment before the run ends; they act from here on.
    Buttons->SetReady(true);
}

void frmScoreboard::HighlightRow(int row)
{
    ColourRow(row, kRowLit, kRowLitText);
}

void frmScoreboard::UnhighlightRow(int row)
{
    ColourRow(row, kRowPlain, kRowPlainText);
}

void frmScoreboard::ColourRow(int row, const QColor& back, const QColor& fore)
{
    if (row < 0 || row >= kRows)
        return;
    for (Panel3D* p : { nameCells[row], countCells[row], priceCells[row], totalCells[row] }) {
        p->SetBackColor(back);
        p->SetForeColor(fore);
    }
    DoEvents();
}

void frmScoreboard::ScoringRun()
{
    GameState& g = Game();
    // The win is credited and saved before the count, which only shows it: a
    // window closed or a program ended while it counts loses nothing.
    const RecordedSettlement settled = SettleAndRecord(g);
    const Settlement& s = settled.Figures;
    const bool enteredTopTen = settled.EnteredTopTen;

    SetBoth(lblDifferentHandsBonus,
        kMark + QStringLiteral(" Number of Different Hands (?) x ") + FormatMoney(g.DifferentHandsBonus)
            + QStringLiteral(" . . . . . . . . . . . . "));
    SetBoth(lblCardsRemovedBonus,
        kMark + QStringLiteral(" Cards Removed (?) x ") + FormatMoney(g.CardRemovedBonus)
            + QStringLiteral(" . . . . . . . . . . . . . . . . . . . . . "));
    SetBoth(lblTimerBonus,
        kMark + QStringLiteral(" Timer Bonus . . . . . . . . . . . . . . . . . . . . . . . . . . . . ."));
    SlideIn(this, QStringLiteral("DOWN"));
    SoundOrPause(SoundFile::ClickBg, kCountSoundPause);

    if (game_) {
        for (const ToolbarButton button : kInGameToolbarButtons)
            game_->DisableToolbarButton(button);
    }
    Pause(0.001);

    for (int chase = 0; chase < 2; ++chase) {
        for (int step = 0; step < 2 * kRows; ++step) {
            const int r = step < kRows ? step : 2 * kRows - 1 - step;
            HighlightRow(r);
            Pause(0.01);
            UnhighlightRow(r);
            Pause(0.01);
        }
    }

    for (int r = 0; r < kRows; ++r) {
        const int t = r + 1;
        HighlightRow(r);
        countCells[r]->SetCaption(QString::number(g.HandCounts[t]));
        SoundOrPause(SoundFile::Message2, kCountSoundPause);
        Pause(0.025);
        priceCells[r]->SetCaption(QStringLiteral("x ") + FormatMoney(g.HandPoints[t]) + QStringLiteral(" ="));
        SoundOrPause(SoundFile::Message2, kCountSoundPause);
        Pause(0.025);
        totalCells[r]->SetCaption(FormatMoney(HandRowTotal(g, t)) + QStringLiteral("  "));
        SoundOrPause(SoundFile::Message2, kCountSoundPause);
        Pause(0.03);
        UnhighlightRow(r);
    }
    Pause(0.15);

    ShowCountUp(GameScoreCountUp(s.GameScore), [this](int32_t i) { pnlGameScore->SetCaption(Amount(i)); });
    Pause(0.075);

    const QList<int> made = HandTypesMade(g);
    for (qsizetype k = 0; k < made.size(); ++k) {
        DoEvents();
        const int different = static_cast<int>(k + 1);
        PlayEffect(SoundFile::Message2);
        SetBoth(lblDifferentHandsBonus,
            kMark + QStringLiteral(" Number of Different Hands (") + QString::number(different) + QStringLiteral(") x ")
                + FormatMoney(g.DifferentHandsBonus) + QStringLiteral(" . . . . . . . . . . . . . . . . . . . . . "));
        pnlDifferentHandsBonus->SetCaption(Amount(DifferentHandsAmount(g, different)));
        HighlightRow(made[k] - 1);
        Pause(0.15);
    }
    SoundOrPause(SoundFile::Scor1, kCountSoundPause);
    Pause(0.075);

    ShowCountUp(CardsRemovedCountUp(s.CardsRemoved), [this, &g](int32_t i) {
        SetBoth(
            lblCardsRemovedBonus, CardsRemovedCaption(i, QStringLiteral(" . . . . . . . . . . . . . . . . . . . ")));
        pnlCardsRemovedBonus->SetCaption(Amount(CardsRemovedAmount(g, i)));
    });
    Pause(0.075);

    const QList<int32_t> timerFigures = TimerBonusCountUp(s.TimerBonus);
    if (timerFigures.isEmpty()) {
        pnlTimerBonus->SetCaption(QStringLiteral("0"));
        SoundOrPause(SoundFile::Bloop, kCountSoundPause);
    } else {
        ShowCountUp(timerFigures, [this](int32_t i) { pnlTimerBonus->SetCaption(Amount(i)); });
    }
    Pause(0.5);

    SoundOrPause(SoundFile::UpGo4, kCountSoundPause);
    pnlFinalScore->SetCaption(Amount(s.ScoreWithBonuses));
    SoundOrPause(SoundFile::TWham, kCountSoundPause);
    for (int flash = 0; flash < 5; ++flash) {
        pnlFinalScore->SetCaption(QString());
        Pause(0.1);
        pnlFinalScore->SetCaption(Amount(s.ScoreWithBonuses));
        Pause(0.1);
    }
    Pause(0.5);

    if (s.Cleared) {
        SoundOrPause(SoundFile::Ding, kCountSoundPause);
        MsgBox(ClearedBonusNotice(*s.Cleared), vbOKOnly | vbExclamation, QStringLiteral("Cards Cleared"));
        SetBoth(lblCardsRemovedBonus,
            CardsRemovedCaption(s.CardsRemoved,
                QStringLiteral(" + ") + FormatMoney(s.Cleared->Bonus)
                    + QStringLiteral(" . . . . . . . . . . . . . . . . . ")));
        pnlCardsRemovedBonus->SetCaption(Amount(s.CardsRemovedWithCleared));
    }
    pnlFinalScore->SetCaption(Amount(s.FinalScore));
    SoundOrPause(SoundFile::Message2, kCountSoundPause);

    if (game_)
        game_->ShowPlayerStatus();
    TellSaveFailures();

    lblFormShadow->move(lblFormShadow->x(), btnSameDeal->y() - 7 * height() / 512);
    for (QPushButton* b : { btnClose, btnNewDeal, btnSameDeal, btnExit })
        b->show();
    btnNewDeal->setFocus();
    SoundOrPause(SoundFile::Buttup, kCountSoundPause);

    if (enteredTopTen) {
        Pause(0.001);
        ShowTopTenWindow();
    }
}

void frmScoreboard::reject()
{
    Buttons->Choose(GameEndChoice::Close);
}

GameEndChoice ShowScoreboardWindow(GameWindowAccess* game)
{
    frmScoreboard window(game, MainWindow());
    window.exec();
    return window.Choice();
}
