#include "recordwindows/frmTopTen.h"
#include "ui/Ramp.h"

#include "game/GameState.h"
#include "records/SavePoints.h"
#include "records/TopTen.h"
#include "ui/MsgBox.h"
#include "ui/Sound.h"
#include "ui/SoundNames.h"
#include "ui/Twips.h"
#include "ui/WindowMotion.h"
#include "ui/WindowText.h"
#include "ui/frmSaveNotice.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QtMath>

const QColor frmTopTen::kRowColor(255, 255, 255);
const QColor frmTopTen::kCurrentPlayerColor(255, 255, 0);

namespace {
constexpr int kMargin = 16;
constexpr int kNameChars = 30; // a blank, the name and its dots
constexpr int kScoreChars = 16;
constexpr int kHeadingChars = 42;

QLabel* MakeLabel(QWidget* parent, const QColor& color, const QFont& font)
{
    QLabel* l = ColouredLabel(parent, color, font);
    l->setTextFormat(Qt::PlainText); // names are shown as typed
    return l;
}
} // namespace

frmTopTen::frmTopTen(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    const QFont fixed = FixedFont();
    const QFontMetricsF fm(fixed);
    // Text widths in characters of the fixed font; glyph advances are fractional.
    const auto cw = [&fm](int chars) { return qCeil(fm.horizontalAdvance(QString(chars, QLatin1Char(' ')))); };
    const int rankWidth = cw(4) + 4;
    const int nameX = kMargin + rankWidth;
    const int width = nameX + cw(kNameChars + kScoreChars - 2) + kMargin + 4;

    QFont titleFont = font();
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    const int titleHeight = QFontMetrics(titleFont).height() + 4;
    // The bottom label is the title's shadow.
    lblProgramTitleBottom = MakeLabel(this, Qt::black, titleFont);
    lblProgramTitleTop = MakeLabel(this, QColor(255, 255, 0), titleFont);
    lblProgramTitleBottom->setGeometry(kMargin + 2, 12, width - 2 * kMargin, titleHeight);
    lblProgramTitleTop->setGeometry(kMargin, 10, width - 2 * kMargin, titleHeight);
    for (QLabel* l : { lblProgramTitleBottom, lblProgramTitleTop })
        l->setAlignment(Qt::AlignCenter);
    int y = 10 + titleHeight + 10;

    const int rowHeight = qCeil(fm.height()) + 5;
    lblHeading = MakeLabel(this, QColor(255, 255, 192), fixed);
    lblHeading->setText(QStringLiteral("Player                               Score"));
    lblHeading->setGeometry(nameX + cw(1), y, cw(kHeadingChars) + 4, rowHeight);
    y += rowHeight + 4;

    for (int i = 0; i < kRows; ++i) {
        // Scores are right-aligned under the end of the heading.
        lblScore[i] = MakeLabel(this, kRowColor, fixed);
        lblScore[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblScore[i]->setGeometry(nameX + cw(kNameChars - 2), y, cw(kScoreChars), rowHeight);
        lblName[i] = MakeLabel(this, kRowColor, fixed);
        lblName[i]->setGeometry(nameX, y, cw(kNameChars) + 2, rowHeight);
        lblRank[i] = MakeLabel(this, QColor(224, 224, 224), fixed);
        lblRank[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblRank[i]->setText(QString::number(i + 1) + QStringLiteral(". "));
        lblRank[i]->setGeometry(kMargin, y, rankWidth, rowHeight);
        y += rowHeight;
    }
    y += 14;

    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnResetScores = new QPushButton(QStringLiteral("&Reset Scores"), this);
    btnOK->setGeometry(width / 2 - 130, y, 120, 28);
    btnResetScores->setGeometry(width / 2 + 10, y, 120, 28);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOK_Click(); });
    connect(btnResetScores, &QPushButton::clicked, this, [this] { btnResetScores_Click(); });
    y += 28 + 16;
    setFixedSize(width, y);

    if (const QWidget* main = MainWindow())
        move(main->frameGeometry().topLeft() + QPoint(Px(250), Px(1400)));
    const QString title = Game().ProgramName + QStringLiteral(" Top Ten Scores");
    setWindowTitle(title);
    lblProgramTitleTop->setText(title);
    lblProgramTitleBottom->setText(title);
}

void frmTopTen::Load()
{
    GameState& g = Game();
    g.TopTenRows = 9;
    SortTopTen(g.TopTen, g.TopTenRows);
    for (int i = 0; i < kRows; ++i) {
        lblName[i]->clear();
        lblScore[i]->clear();
        SetTextColor(lblName[i], kRowColor);
        SetTextColor(lblScore[i], kRowColor);
    }
    int currentRow = -1;
    for (int i = 0; i < kRows; ++i) {
        const TopTenRow& row = g.TopTen[i];
        if (row.Name.isEmpty())
            break;
        lblName[i]->setText(
            QLatin1Char(' ') + row.Name + QString(std::max<qsizetype>(0, 29 - row.Name.size()), QLatin1Char('.')));
        lblScore[i]->setText(QLatin1Char(' ') + FormatMoney(row.Score) + QLatin1Char(' '));
        // The score of a game still running cannot be in the table yet.
        if (row.Score == g.GameScore && row.Name == g.PlayerName && !g.GameInProgress)
            currentRow = i;
    }
    if (currentRow >= 0) {
        SetTextColor(lblName[currentRow], kCurrentPlayerColor);
        SetTextColor(lblScore[currentRow], kCurrentPlayerColor);
    }
    btnOK->setFocus();
}

void frmTopTen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    QTimer::singleShot(0, this, [this] {
        if (!closing_)
            SlideIn(this, QStringLiteral("RIGHT"));
    });
}

void frmTopTen::paintEvent(QPaintEvent*)
{
    // Green, from green 50 at the top.
    QPainter p(this);
    PaintRamp(p, rect(), 50, 300, 3, [](int v) { return QColor(0, v, 0); });
}

void frmTopTen::btnOK_Click()
{
    if (closing_)
        return;
    PlayEffect(SoundFile::Message2);
    closing_ = true;
    SlideOut(this, QStringLiteral("LEFT"));
    accept();
}

void frmTopTen::btnResetScores_Click()
{
    if (closing_)
        return;
    if (MsgBox(QStringLiteral("Are you sure you want to reset the list of Top Ten High Scores?"), vbYesNo | vbQuestion,
            QStringLiteral("Reset High Scores?"))
        != vbYes)
        return;
    GameState& g = Game();
    if (!ResetTopTen(g)) {
        NoteFailedSave();
        TellSaveFailures();
    }
    // The file, reset or as it was, is what the window shows; a file that
    // cannot be read leaves the table in memory as it was.
    (void)LoadTopTen(g);
    Load();
}

void frmTopTen::reject()
{
    btnOK_Click();
}

void ShowTopTenWindow()
{
    frmTopTen window(MainWindow());
    window.Load();
    window.exec();
}
