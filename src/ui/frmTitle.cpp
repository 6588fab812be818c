#include "ui/frmTitle.h"

#include "ui/Sound.h"
#include "ui/SoundNames.h"
#include "ui/WindowMotion.h"
#include "ui/WindowText.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

// The window's measures are pixels of the window: the ramp, the letters'
// places and steps, the bar and the bounce all use the same unit.
namespace {
constexpr int kWidth = 600;
constexpr int kHeight = 420;
constexpr int kLetterTop = 96;
constexpr int kFirstLineLeft = 80;
constexpr int kSecondLineLeft = 240;
constexpr int kBarLeft = 80;
constexpr int kBarGap = 14;
constexpr int kBounceDepth = 90;

constexpr const char* kCaptions[frmTitle::kLetters]
    = { "S", "O", "L", "I", "T", "A", "I", "R", "E", "Q", "U", "I", "B", "E", "L", "TM" };

const QColor kFlyingColor(255, 255, 255);
const QColor kBarColor(0, 0, 128);

// Each flight and bounce step is given a share of real time, so the letters
// move at the same speed on any machine; waits are gathered into frames.
class Pacer {
public:
    explicit Pacer(double secondsPerStep)
        : step_(secondsPerStep)
    {
    }
    void Step()
    {
        due_ += step_;
        if (due_ >= kFrame) {
            Pause(due_);
            due_ = 0.0;
        } else {
            DoEvents();
        }
    }

private:
    static constexpr double kFrame = 0.015;
    double step_;
    double due_ = 0.0;
};

int FlightStep(int index)
{
    if (index < 7)
        return 7;
    return index >= 12 ? 9 : 8;
}

// Black for odd element numbers, red for even ones.
QColor LetterColor(int index)
{
    return index % 2 == 1 ? QColor(0, 0, 0) : QColor(255, 0, 0);
}

QLabel* MakeLetter(QWidget* parent, const QString& caption, int pointSize)
{
    auto* l = new QLabel(caption, parent);
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setStyleHint(QFont::Serif);
    f.setBold(true);
    f.setPointSize(pointSize);
    l->setFont(f);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->adjustSize();
    return l;
}
} // namespace

frmTitle::frmTitle(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setFixedSize(kWidth, kHeight);
    setWindowTitle(QStringLiteral("Solitaire Quibel"));

    lblWelcome = new QLabel(QStringLiteral("Welcome to"), this);
    QFont welcome(QStringLiteral("DejaVu Serif"));
    welcome.setItalic(true);
    welcome.setPointSize(17);
    lblWelcome->setFont(welcome);
    SetTextColor(lblWelcome, QColor(0, 0, 128));
    lblWelcome->adjustSize();
    lblWelcome->move(kFirstLineLeft - 30, kLetterTop - lblWelcome->height() - 4);
    lblWelcome->hide();

    shpBar = new QWidget(this);
    shpBar->setAutoFillBackground(true);
    QPalette bar = shpBar->palette();
    bar.setColor(QPalette::Window, kBarColor);
    shpBar->setPalette(bar);
    shpBar->hide();

    auto* tagline = new QLabel(QStringLiteral("Poker hands from the cards that touch"), this);
    QFont tag(QStringLiteral("DejaVu Sans"));
    tag.setPointSize(11);
    tag.setBold(true);
    tagline->setFont(tag);
    SetTextColor(tagline, QColor(255, 255, 255));
    tagline->setAlignment(Qt::AlignCenter);
    tagline->setGeometry(0, kHeight - 62, kWidth, 24);

    lblProgramName[0] = MakeLetter(this, QString::fromLatin1(kCaptions[0]), 44);
    SetTextColor(lblProgramName[0], LetterColor(0));
    lblProgramName[0]->move(kFirstLineLeft, kLetterTop);
    lblProgramName[0]->raise();

    CenterOnMain(this);
}

void frmTitle::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // White at the top, through pale blues, to pure blue: 300 bands 2 high, 1.5 apart.
    double y = 0.0;
    for (int i = 300; i >= 1; --i) {
        const int c = qMin(i, 255);
        p.fillRect(QRectF(0.0, y, width(), 2.0), QColor(c, c, 255));
        y += 1.5;
    }
    if (y < height())
        p.fillRect(QRectF(0.0, y, width(), height() - y), QColor(0, 0, 255));

    // The design's lines and shapes.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 96), 2));
    p.drawLine(40, 30, kWidth - 40, 30);
    p.drawLine(40, kHeight - 30, kWidth - 40, kHeight - 30);
    p.setBrush(QColor(255, 0, 0));
    for (const QPoint& at :
        { QPoint(40, 30), QPoint(kWidth - 40, 30), QPoint(40, kHeight - 30), QPoint(kWidth - 40, kHeight - 30) })
        p.drawEllipse(at, 5, 5);
    p.setPen(QPen(QColor(255, 255, 255), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void frmTitle::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        QTimer::singleShot(0, this, [this] { Form_Activate(); });
    }
}

// The title plays its sounds whatever the player's sound setting is.
void frmTitle::Form_Activate()
{
    SlideIn(this, QStringLiteral("RIGHT"));
    Pause(0.5);
    lblWelcome->show();
    PlaySound(SoundFile::Message2);
    Pause(0.25);

    SetBar(0, 15);
    shpBar->show();
    LoadLetters();

    // SOLITAIRE: the first letter opens the line, each next one lands right after the one before.
    FlyLetter(0, kFirstLineLeft);
    for (int i = 1; i <= 8; ++i) {
        if (i % 2 == 0)
            lblProgramName[i]->move(lblProgramName[i]->x(), lblProgramName[i - 1]->y() + 5);
        FlyLetter(i, lblProgramName[i - 1]->x() + lblProgramName[i - 1]->width());
        SetBar(shpBar->width() + 50, shpBar->height());
    }
    // QUIBEL and the trademark sign, one line lower.
    FlyLetter(9, kSecondLineLeft);
    for (int i = 10; i <= 15; ++i) {
        if (i % 2 == 0)
            lblProgramName[i]->move(lblProgramName[i]->x(), lblProgramName[i - 1]->y() + 5);
        FlyLetter(i, lblProgramName[i - 1]->x() + lblProgramName[i - 1]->width());
        SetBar(shpBar->width() + 9, shpBar->height() + 3);
    }

    for (int i = 0; i < kLetters; ++i)
        Bounce(i);
    for (int i = 1; i <= 8; ++i)
        lblProgramName[i]->move(lblProgramName[i]->x(), lblProgramName[0]->y());
    for (int i = 10; i <= 14; ++i)
        lblProgramName[i]->move(lblProgramName[i]->x(), lblProgramName[9]->y());

    // The bar shrinks to nothing and grows back.
    for (int h = 35; h >= 0; h -= 5) {
        SetBar(shpBar->width(), h);
        Pause(0.02);
    }
    PlaySound(SoundFile::Buttup);
    for (int h = 0; h <= 35; h += 5) {
        SetBar(shpBar->width(), h);
        Pause(0.02);
    }

    PlaySound(SoundFile::Bloop);
    Pause(2.0);
    SlideOut(this, QStringLiteral("RIGHT"));
    finished_ = true;
    done(QDialog::Accepted);
}

void frmTitle::LoadLetters()
{
    QLabel* first = lblProgramName[0];
    const int w = first->width();
    const int t = first->y();
    const int h = first->height();
    first->move(-2 * w, t);
    for (int i = 1; i < kLetters; ++i) {
        QLabel* l = MakeLetter(this, QString::fromLatin1(kCaptions[i]), i == 15 ? 10 : 44);
        l->move(-2 * l->width(), i >= 9 ? t + h : t);
        l->hide();
        lblProgramName[i] = l;
    }
}

void frmTitle::FlyLetter(int index, int target)
{
    QLabel* l = lblProgramName[index];
    SetTextColor(l, kFlyingColor);
    l->raise();
    l->show();
    const int step = FlightStep(index);
    Pacer pacer(0.0025);
    for (int x = -l->width(); x < target; x += step) {
        l->move(x, l->y());
        pacer.Step();
    }
    l->move(target, l->y());
    SetTextColor(l, LetterColor(index));
    PlaySound(SoundFile::Buttup);
}

void frmTitle::Bounce(int index)
{
    QLabel* l = lblProgramName[index];
    const int top = l->y();
    Pacer pacer(0.002);
    for (int y = top; y <= top + kBounceDepth; y += 5) {
        l->move(l->x(), y);
        pacer.Step();
    }
    for (int y = top + kBounceDepth; y >= top; y -= 5) {
        l->move(l->x(), y);
        pacer.Step();
    }
}

void frmTitle::SetBar(int width, int height)
{
    // A shape keeps its smallest size rather than take a negative one.
    const QLabel* first = lblProgramName[0];
    const int top = kLetterTop + 2 * first->height() + kBarGap;
    shpBar->setGeometry(kBarLeft, top, qMax(width, 0), qMax(height, 0));
}

void frmTitle::reject()
{
    // Escape and the window's close box do nothing: the title leaves by itself.
}

void frmTitle::closeEvent(QCloseEvent* event)
{
    if (finished_)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void frmTitle::keyPressEvent(QKeyEvent* event)
{
    event->accept();
}

void ShowTitleWindow()
{
    frmTitle title(MainWindow());
    title.exec();
}
