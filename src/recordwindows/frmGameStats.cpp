#include "recordwindows/frmGameStats.h"
#include "ui/Ramp.h"

#include "game/DealNumber.h"
#include "game/GameState.h"
#include "game/Settlement.h"
#include "ui/WindowMotion.h"
#include "ui/WindowText.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int kWidth = 480;
constexpr int kHeight = 300;
constexpr int kButtonWidth = 104;
constexpr int kButtonGap = 8;

QLabel* MakeLabel(QWidget* parent, const QRect& at, const QColor& color, int pointSize)
{
    QLabel* l = ColouredLabel(parent, color, SizedFont(pointSize));
    l->setGeometry(at);
    return l;
}

// The title bar also tells the number of the deal on the board.
QString WithDeal(const QString& title)
{
    const uint32_t deal = Game().DealNumber;
    return deal == 0 ? title : title + QStringLiteral("  -  ") + DealCaption(deal);
}

} // namespace

frmGameStats::frmGameStats(GameWindowAccess* game, QWidget* parent)
    : QDialog(parent)
{
    const GameState& g = Game();
    setFixedSize(kWidth, kHeight);
    setWindowTitle(WithDeal(QStringLiteral("Game Stats")));

    const QRect shape((kWidth - 220) / 2, 14, 220, 34);
    ShapeGamePaused[0] = new QFrame(this);
    ShapeGamePaused[0]->setGeometry(shape.translated(4, 4));
    ShapeGamePaused[0]->setStyleSheet(QStringLiteral("background: rgb(0, 0, 0); border-radius: 8px;"));
    ShapeGamePaused[1] = new QFrame(this);
    ShapeGamePaused[1]->setGeometry(shape);
    ShapeGamePaused[1]->setStyleSheet(
        QStringLiteral("background: rgb(255, 255, 0); border: 2px solid rgb(0, 0, 0); border-radius: 8px;"));
    lblGamePaused = MakeLabel(this, shape, QColor(128, 0, 0), 14);
    lblGamePaused->setAlignment(Qt::AlignCenter);
    lblGamePaused->setText(QStringLiteral(" - Game Paused - "));
    for (QWidget* w : { static_cast<QWidget*>(ShapeGamePaused[0]), static_cast<QWidget*>(ShapeGamePaused[1]),
             static_cast<QWidget*>(lblGamePaused) })
        w->hide();

    const QColor figureInk(255, 255, 255);
    lblScoreNeeded = MakeLabel(this, QRect(60, 66, 360, 24), figureInk, 10);
    lblGameScore = MakeLabel(this, QRect(60, 94, 360, 24), figureInk, 10);
    lblCardsRemaining = MakeLabel(this, QRect(60, 122, 360, 24), figureInk, 10);
    lblDifferentHands = MakeLabel(this, QRect(60, 150, 360, 24), figureInk, 10);
    lblScoreNeeded->setText(QStringLiteral("Score Needed  . . . . . . . . . . . . . . ") + FormatMoney(g.EntryFee));
    lblGameScore->setText(QStringLiteral("Game Score . . . . . . . . . . . . . . . . ") + FormatMoney(g.GameScore));
    lblCardsRemaining->setText(
        QStringLiteral("Cards Remaining . . . . . . . . . . . . ") + QString::number(g.CardsOnBoard));
    lblDifferentHands->setText(
        QStringLiteral("Total Different Hands . . . . . . . . . ") + QString::number(DifferentHands(g)));

    lblSorry = MakeLabel(this, QRect(10, 192, kWidth - 20, 26), QColor(255, 255, 0), 11);
    lblSorry->setAlignment(Qt::AlignCenter);

    Buttons = new GameEndButtons(this, game, QStringLiteral("RIGHT"));
    btnOK = Buttons->Close;
    btnNewDeal = Buttons->NewDeal;
    btnSameDeal = Buttons->SameDeal;
    btnExit = Buttons->Exit;

    if (g.GameInProgress) {
        setWindowTitle(WithDeal(QStringLiteral("Game Statistics")));
        btnOK->setText(QStringLiteral("&Ok"));
        for (QWidget* w : { static_cast<QWidget*>(btnSameDeal), static_cast<QWidget*>(btnNewDeal),
                 static_cast<QWidget*>(btnExit), static_cast<QWidget*>(lblSorry) })
            w->hide();
    } else {
        lblSorry->setText(QStringLiteral("Sorry, no more plays.  Entry fee lost: ") + FormatMoney(g.EntryFee));
        lblSorry->show();
        btnNewDeal->setFocus();
    }
    ArrangeButtons();
    CenterOnMain(this);
}

void frmGameStats::ShowPaused()
{
    for (QWidget* w : { static_cast<QWidget*>(ShapeGamePaused[0]), static_cast<QWidget*>(ShapeGamePaused[1]),
             static_cast<QWidget*>(lblGamePaused) })
        w->show();
    btnOK->setText(QStringLiteral("Resume"));
    setWindowTitle(WithDeal(QStringLiteral("Game Paused")));
}

void frmGameStats::ArrangeButtons()
{
    QList<QPushButton*> shown;
    for (QPushButton* b : { btnNewDeal, btnSameDeal, btnOK, btnExit }) {
        if (!b->isHidden())
            shown.append(b);
    }
    const int row = static_cast<int>(shown.size()) * (kButtonWidth + kButtonGap) - kButtonGap;
    int left = (kWidth - row) / 2;
    for (QPushButton* b : shown) {
        b->setGeometry(left, kHeight - 46, kButtonWidth, 28);
        left += kButtonWidth + kButtonGap;
    }
}

void frmGameStats::paintEvent(QPaintEvent*)
{
    // Bright red at the top, darkening; the ramp runs on past the bottom edge.
    QPainter p(this);
    PaintRamp(p, rect(), 256, 0, 3, [](int v) { return QColor(v, 0, 0); });
}

void frmGameStats::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        QTimer::singleShot(0, this, &frmGameStats::Form_Activate);
    }
}

void frmGameStats::Form_Activate()
{
    SlideIn(this, QStringLiteral("RIGHT"));
    btnOK->repaint();
    btnNewDeal->repaint();
}

void frmGameStats::reject()
{
    Buttons->Choose(GameEndChoice::Close);
}

GameEndChoice ShowGameStatsWindow(GameWindowAccess* game, bool paused)
{
    frmGameStats window(game, MainWindow());
    if (paused)
        window.ShowPaused();
    window.exec();
    return window.Choice();
}
