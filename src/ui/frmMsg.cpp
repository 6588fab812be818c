#include "ui/frmMsg.h"

#include "ui/Ramp.h"
#include "ui/WindowMotion.h"
#include "ui/WindowText.h"

#include <QLabel>
#include <QPainter>

namespace {
constexpr int kWidth = 380;
constexpr int kHeight = 120;

QLabel* MakeLabel(QWidget* parent, const QRect& at, const QColor& color, int pointSize, bool bold)
{
    QLabel* l = ColouredLabel(parent, color, SizedFont(pointSize, bold));
    l->setGeometry(at);
    l->setAlignment(Qt::AlignCenter);
    return l;
}
} // namespace

frmMsg::frmMsg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setFixedSize(kWidth, kHeight);
    setModal(false);
    // Shadow copies first, so the top copies are drawn over them.
    label1_[0] = MakeLabel(this, QRect(22, 20, kWidth - 40, 32), QColor(0, 0, 0), 15, true);
    label1_[1] = MakeLabel(this, QRect(20, 18, kWidth - 40, 32), QColor(255, 255, 255), 15, true);
    label2_[0] = MakeLabel(this, QRect(21, 67, kWidth - 40, 24), QColor(255, 255, 255), 10, true);
    label2_[1] = MakeLabel(this, QRect(20, 66, kWidth - 40, 24), QColor(0, 0, 128), 10, true);
}

void frmMsg::SetLabel1(const QString& text)
{
    for (QLabel* l : label1_)
        l->setText(text);
}

void frmMsg::SetLabel2(const QString& text)
{
    for (QLabel* l : label2_)
        l->setText(text);
}

void frmMsg::SetShadowColor(const QColor& color)
{
    shadow_ = color;
    update();
}

void frmMsg::ShowSliding()
{
    CenterOnMain(this);
    show();
    SlideIn(this, QStringLiteral("DOWN"));
}

void frmMsg::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // Grey, from black at the top to white at the bottom.
    PaintRamp(p, rect(), 0, 256, 2, [](int v) { return QColor(v, v, v); });
    // The shadow band and the two filled shapes that frame the text.
    p.setPen(Qt::NoPen);
    p.setBrush(shadow_);
    p.drawRect(0, height() - 8, width(), 8);
    p.drawEllipse(QRect(8, 10, 10, 10));
    p.drawEllipse(QRect(width() - 18, 10, 10, 10));
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}
