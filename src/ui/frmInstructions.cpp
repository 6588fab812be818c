#include "ui/frmInstructions.h"

#include "game/GameState.h"
#include "records/PlayersFile.h"
#include "ui/GameWindowAccess.h"
#include "ui/HelpWindow.h"
#include "ui/Sound.h"
#include "ui/SoundNames.h"
#include "ui/Twips.h"
#include "ui/WindowMotion.h"
#include "ui/WindowText.h"
#include "ui/frmExample.h"
#include "ui/frmSaveNotice.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {
constexpr int kWidth = 560;
constexpr int kHeight = 460;
constexpr int kBandHeight = 54;
constexpr int kMargin = 22;
const QColor kBand(0, 0, 128);
const QColor kPage(255, 255, 232);
const QColor kLink(0, 0, 192);

const char* const kQuickStart
    = "<p>Make poker hands from cards that <b>touch</b>: side by side, or one above the other.</p>"
      "<ol style='margin-left: 0px; -qt-list-indent: 1;'>"
      "<li>Click two to five touching cards that make a hand of exactly that many cards: a pair, "
      "three of a kind, two pairs, four of a kind, or five cards for a straight, a flush, a full house "
      "or a straight or royal flush.  Each picked card shows <b>PLAY</b>; click it again to put it back.</li>"
      "<li>Click the <b>right</b> mouse button to play the picked cards.  The hand pays its points, its cards "
      "leave the board, the cards above them drop down and empty columns close up.</li>"
      "<li>Jokers are not wild.  Take a joker away alone or with one card that touches it; a joker on the "
      "bottom row can take any card of the board with it.</li>"
      "<li>A game costs <b>$1,000</b>.  Win it back with your hands and the scoreboard adds bonuses for "
      "different hands, cards removed, a quick game and a cleared board.</li>"
      "</ol>"
      "<p>The game is over when no play is left.  The clock starts with your first hand.</p>";

QLabel* MakeLink(QWidget* parent, const QString& text, QObject* filter)
{
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setUnderline(true);
    f.setBold(true);
    l->setFont(f);
    SetTextColor(l, kLink);
    l->setCursor(Qt::PointingHandCursor);
    l->installEventFilter(filter);
    return l;
}
} // namespace

frmInstructions::frmInstructions(GameWindowAccess* game, QWidget* parent)
    : QDialog(parent)
    , game_(game)
{
    setWindowTitle(QStringLiteral("Overview/Quick Start"));
    setFixedSize(kWidth, kHeight);

    lblTitle = new QLabel(QStringLiteral("How to Play ") + Game().ProgramName, this);
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setBold(true);
    title.setPointSize(16);
    lblTitle->setFont(title);
    SetTextColor(lblTitle, QColor(255, 255, 255));
    lblTitle->setGeometry(kMargin, 0, kWidth - 2 * kMargin, kBandHeight);

    lblInstructions = new QLabel(this);
    lblInstructions->setTextFormat(Qt::RichText);
    lblInstructions->setWordWrap(true);
    lblInstructions->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblInstructions->setText(QString::fromUtf8(kQuickStart));
    lblInstructions->setGeometry(kMargin, kBandHeight + 10, kWidth - 2 * kMargin, 240);

    lblShowExample = MakeLink(this, QStringLiteral("Show me a picture of a game in progress"), this);
    lblShowExample->setGeometry(kMargin, kBandHeight + 258, kWidth - 2 * kMargin, 22);
    lblHelpTips = MakeLink(this, QStringLiteral("More help and tips: the rules, the hands, scoring and bonuses"), this);
    lblHelpTips->setGeometry(kMargin, kBandHeight + 284, kWidth - 2 * kMargin, 22);

    chkDoNotShow = new QCheckBox(this);
    chkDoNotShow->setGeometry(kMargin, kHeight - 84, kWidth - 2 * kMargin, 24);

    btnClose = new QPushButton(QStringLiteral("&Close"), this);
    btnClose->setDefault(true);
    btnClose->setGeometry(kWidth - kMargin - 110, kHeight - 46, 110, 30);
    connect(btnClose, &QPushButton::clicked, this, [this] { btnClose_Click(); });

    Form_Load();
}

void frmInstructions::Form_Load()
{
    const QScreen* screen
        = MainWindow() && MainWindow()->screen() ? MainWindow()->screen() : QGuiApplication::primaryScreen();
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    move(origin + QPoint(Px(100), Px(200)));

    const GameState& g = Game();
    if (!g.PlayerName.isEmpty()) {
        QString name = g.PlayerName;
        // A name's own ampersands are shown, not taken as a shortcut mark.
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        chkDoNotShow->setText(QStringLiteral("Do &not show these instructions again at startup for ") + name);
        // Without a player there is nobody to keep the choice for.
        chkDoNotShow->setChecked(!g.ShowInstructions);
    } else {
        chkDoNotShow->hide();
    }
}

bool frmInstructions::event(QEvent* event)
{
    if (event->type() == QEvent::Show) {
        raise();
        activateWindow();
    }
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, [this] { Form_Activate(); });
    return QDialog::event(event);
}

void frmInstructions::Form_Activate()
{
    if (activated_ || closing_ || !isVisible())
        return;
    activated_ = true;
    btnClose->update();
    if (game_)
        game_->SetCoverVisible(false);
    frmExample example(this);
    example.exec();
}

bool frmInstructions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == lblShowExample) {
            lblShowExample_Click();
            return true;
        }
        if (watched == lblHelpTips) {
            lblHelpTips_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmInstructions::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), kPage);
    p.fillRect(0, 0, width(), kBandHeight, kBand);
    p.fillRect(0, kBandHeight, width(), 3, QColor(255, 255, 0));
    p.setPen(QColor(192, 192, 160));
    p.drawLine(kMargin, kHeight - 94, kWidth - kMargin, kHeight - 94);
}

void frmInstructions::lblShowExample_Click()
{
    frmExample example(this);
    example.exec();
}

void frmInstructions::lblHelpTips_Click()
{
    ShowHelpContents(this);
}

void frmInstructions::reject()
{
    btnClose_Click();
}

void frmInstructions::btnClose_Click()
{
    if (closing_)
        return;
    closing_ = true;
    GameState& g = Game();
    g.ShowInstructions = !chkDoNotShow->isChecked();
    if (!g.PlayerName.isEmpty())
        SavePlayersAndTell(g);
    if (game_)
        game_->SetCoverVisible(true);
    PlayEffect(SoundFile::Message2);
    SlideOut(this, QStringLiteral("LEFT"));
    if (game_)
        game_->SetCoverVisible(false);
    activated_ = false;
    accept();
}

void ShowInstructionsWindow(GameWindowAccess* game, bool hideDoNotShow)
{
    frmInstructions instructions(game, MainWindow());
    if (hideDoNotShow)
        instructions.chkDoNotShow->hide();
    instructions.exec();
}
