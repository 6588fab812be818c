#include "ui/frmExample.h"
#include "cardlib/CardDeck.h"

#include "cardlib/CardFaces.h"
#include "game/GameState.h"
#include "game/GameTexts.h"
#include "ui/MsgBox.h"
#include "ui/PlayMarker.h"
#include "ui/WindowMotion.h"

#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <vector>

namespace {
constexpr int kColumns = 7;
constexpr int kRows = 7;
constexpr int kCardWidth = CardDeck::kCardWidth;
constexpr int kCardHeight = CardDeck::kCardHeight;
constexpr int kRowStep = 38;
constexpr int kLeft = 36;
constexpr int kTop = 12;
constexpr int kPictureWidth = 8 * kCardWidth + 2 * kLeft;
constexpr int kLabelTop = kTop + (kRows - 1) * kRowStep + kCardHeight + 14;
constexpr int kLabelHeight = 32;
constexpr int kStatusTop = kLabelTop + kLabelHeight + 8;
constexpr int kStatusHeight = 22;
constexpr int kPictureHeight = kStatusTop + kStatusHeight + 4;

constexpr int Club(int rank)
{
    return rank;
}
constexpr int Diamond(int rank)
{
    return 13 + rank;
}
constexpr int Heart(int rank)
{
    return 26 + rank;
}
constexpr int Spade(int rank)
{
    return 39 + rank;
}
constexpr int kBlackJoker = 110;
constexpr int kOtherBlackJoker = 112;

// A board some twenty cards into a game: one column already closed up, two
// touching Sevens picked, a joker waiting on the bottom row. Top card first.
const std::array<std::vector<int>, kColumns> kBoard = { {
    { Spade(13), Diamond(2), Heart(9), Club(5), kBlackJoker, Diamond(11), Heart(4) },
    { Club(12), Spade(6), Diamond(8), Heart(1), Spade(7) },
    { Diamond(3), Club(10), Spade(2), Heart(12), Club(9), Heart(7) },
    { Spade(4), Diamond(13), Club(3), kOtherBlackJoker },
    { Heart(6), Spade(11), Diamond(5), Club(1), Heart(13), Spade(9), Diamond(10) },
    { Club(8), Diamond(6), Spade(3) },
    { Heart(2), Club(11), Spade(12), Diamond(9), Club(6) },
} };
const std::array<int, 2> kPicked = { Spade(7), Heart(7) };
// Hands made so far: 1 Pair, 3 of a Kind and Straight.
const std::array<bool, kNumHandTypes> kHandsMade = { true, false, true, true, false, false, false, false, false };
constexpr int kExampleScore = 475;

void DrawHandLabels(QPainter& p)
{
    constexpr int labelWidth = 64;
    const int gap = (kPictureWidth - kNumHandTypes * labelWidth) / (kNumHandTypes + 1);
    // The points of the game's own table, whether or not the game has started.
    GameState rules;
    SetGameConstants(rules);
    QFont f(QStringLiteral("DejaVu Sans Condensed"));
    f.setStretch(QFont::SemiCondensed);
    f.setPixelSize(9);
    f.setBold(true);
    p.setFont(f);
    for (int i = 0; i < kNumHandTypes; ++i) {
        const QRect r(gap + i * (labelWidth + gap), kLabelTop, labelWidth, kLabelHeight);
        p.fillRect(r, kHandsMade[i] ? QColor(255, 255, 0) : QColor(192, 192, 0));
        p.setPen(QColor(96, 96, 0));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(Qt::black);
        p.drawText(r, Qt::AlignCenter, HandName(i + 1) + QLatin1Char('\n') + FormatMoney(rules.HandPoints[i + 1]));
    }
}

void DrawStatus(QPainter& p)
{
    const QRect band(0, kStatusTop, kPictureWidth, kStatusHeight);
    p.fillRect(band, QColor(192, 192, 192));
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(band.adjusted(8, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Player: Sample     Bankroll: ") + FormatMoney(2350));
    p.setPen(QColor(255, 0, 0));
    p.drawText(band.adjusted(0, 0, -10, 0), Qt::AlignRight | Qt::AlignVCenter, GameScoreCaption(kExampleScore));
}
} // namespace

QPixmap frmExample::ExamplePicture(qreal dpr)
{
    QPixmap pixmap(QSize(kPictureWidth, kPictureHeight) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    QPainter p(&pixmap);
    QLinearGradient table(0, 0, 0, kPictureHeight);
    table.setColorAt(0.0, QColor(0, 0, 0));
    table.setColorAt(1.0, QColor(0, 0, 255));
    p.fillRect(QRect(0, 0, kPictureWidth, kPictureHeight), table);

    CardFaces& faces = Faces();
    for (int c = 0; c < kColumns; ++c) {
        const std::vector<int>& column = kBoard[c];
        const int firstRow = kRows - static_cast<int>(column.size());
        for (int k = 0; k < static_cast<int>(column.size()); ++k) {
            const int x = kLeft + c * kCardWidth;
            const int y = kTop + (firstRow + k) * kRowStep;
            faces.DrawCard(p, column[k], x, y);
            if (std::find(kPicked.begin(), kPicked.end(), column[k]) != kPicked.end())
                DrawPlayMarker(p, x + 15, y + 17);
        }
    }
    DrawHandLabels(p);
    DrawStatus(p);
    return pixmap;
}

frmExample::frmExample(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Example of a Game in Progress"));

    picExample = new QLabel(this);
    picExample->setPixmap(ExamplePicture(devicePixelRatioF()));
    picExample->setGeometry(12, 12, kPictureWidth, kPictureHeight);
    picExample->setCursor(Qt::PointingHandCursor);
    picExample->installEventFilter(this);

    lblExample = new QLabel(this);
    lblExample->setWordWrap(true);
    lblExample->setText(QStringLiteral(
        "A game in progress.  The two Sevens at the bottom touch each other and are picked: each shows PLAY.  "
        "A right click now plays them as 1 Pair for $50, and the cards above them drop down.  "
        "The Joker on the bottom row could take any card of the board with it."));
    lblExample->setGeometry(12, kPictureHeight + 20, kPictureWidth, 58);
    lblExample->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    btnClose = new QPushButton(QStringLiteral("&Close"), this);
    btnClose->setDefault(true);
    btnClose->setGeometry(12 + kPictureWidth - 100, kPictureHeight + 86, 100, 30);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(kPictureWidth + 24, kPictureHeight + 128);
    CenterOnMain(this);
}

void frmExample::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Over the instructions, whatever the window manager makes of it.
    raise();
    activateWindow();
}

bool frmExample::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picExample && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        picExample_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmExample::picExample_Click()
{
    const QString title = Game().ProgramName.isEmpty() ? QStringLiteral("Solitaire Quibel") : Game().ProgramName;
    MsgBox(QStringLiteral("This is only a picture to provide an example."), vbInformation, title);
}
