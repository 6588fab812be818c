#include "ui/frmAbout.h"
#include "ui/Ramp.h"

#include "game/GameState.h"
#include "ui/Sound.h"
#include "ui/SoundNames.h"
#include "ui/Twips.h"
#include "ui/UpdateCheck.h"
#include "ui/WindowMotion.h"
#include "ui/WindowText.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int kWidth = 420;
constexpr int kHeight = 270;
constexpr int kTitleLeft = 40;
constexpr int kTitleTop = 34;
constexpr int kShadowOffset = 3;

QLabel* MakeLabel(QWidget* parent, const QString& text, const QFont& font, const QColor& color)
{
    QLabel* l = ColouredLabel(parent, color, font, text);
    l->adjustSize();
    return l;
}
} // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent)
{
    const GameState& g = Game();
    setFixedSize(kWidth, kHeight);
    setWindowTitle(QStringLiteral("About ") + g.ProgramName);

    QFont title(QStringLiteral("DejaVu Serif"));
    title.setStyleHint(QFont::Serif);
    title.setBold(true);
    title.setPointSize(24);
    // The shadow first, so the title is drawn over it.
    lblProgramTitleBottom = MakeLabel(this, g.ProgramName, title, QColor(0, 0, 0));
    lblProgramTitleBottom->move(kTitleLeft + kShadowOffset, kTitleTop + kShadowOffset);
    lblProgramTitleTop = MakeLabel(this, g.ProgramName, title, QColor(255, 255, 0));
    lblProgramTitleTop->move(kTitleLeft, kTitleTop);

    QFont small = font();
    small.setPointSize(8);
    small.setBold(true);
    lblTM = MakeLabel(this, QStringLiteral("TM"), small, QColor(255, 255, 0));
    lblTM->move(lblProgramTitleTop->geometry().right() + 1 + Px(30), kTitleTop + 6);

    QFont body = font();
    body.setPointSize(11);
    auto* tagline = MakeLabel(this,
        QStringLiteral("Solitaire played with the hands of poker: make hands from the cards "
                       "that touch, win back your entry fee and climb the Top Ten."),
        body, QColor(255, 255, 255));
    tagline->setWordWrap(true);
    tagline->setGeometry(kTitleLeft, kTitleTop + lblProgramTitleTop->height() + 14, kWidth - 2 * kTitleLeft, 60);
    tagline->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QFont version = body;
    version.setBold(true);
    lblVersion = MakeLabel(this, QString(), version, QColor(255, 255, 255));
    lblVersion->setGeometry(kTitleLeft, tagline->geometry().bottom() + 8, kWidth - 2 * kTitleLeft, 22);

    btnUpdates = new QPushButton(QStringLiteral("Check for &Updates"), this);
    btnUpdates->setAutoDefault(false);
    btnUpdates->setGeometry(kTitleLeft, kHeight - 54, 150, 30);
    connect(btnUpdates, &QPushButton::clicked, this, [this] { ShowUpdateCheck(this); });

    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setDefault(true);
    btnOK->setGeometry(kWidth - kTitleLeft - 100, kHeight - 54, 100, 30);
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOK_Click(); });

    CenterOnMain(this);
}

void frmAbout::paintEvent(QPaintEvent*)
{
    // Pure blue at the top to black at the bottom.
    QPainter p(this);
    PaintRamp(p, rect(), 255, 0, 2, [](int v) { return QColor(0, 0, v); });
}

void frmAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, [this] { Form_Activate(); });
}

void frmAbout::Form_Activate()
{
    lblVersion->setText(QStringLiteral("Version ") + Game().ProgramVersion);
    btnOK->update();
}

void frmAbout::btnOK_Click()
{
    PlayEffect(SoundFile::Message2);
    accept();
}

void ShowAboutWindow()
{
    frmAbout about(MainWindow());
    about.exec();
}
