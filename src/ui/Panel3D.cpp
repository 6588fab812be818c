#include "ui/Panel3D.h"

#include <QMouseEvent>
#include <QPainter>

Panel3D::Panel3D(QWidget* parent, Bevel bevel)
    : QLabel(parent)
    , bevel_(bevel)
{
    setMouseTracking(true);
    setAlignment(Qt::AlignCenter);
}

void Panel3D::SetBackColor(const QColor& c)
{
    back_ = c;
    update();
}

void Panel3D::SetForeColor(const QColor& c)
{
    fore_ = c;
    update();
}

void Panel3D::SetCaption(const QString& caption)
{
    caption_ = caption;
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setText(shown);
}

void Panel3D::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, back_);
    if (bevel_ != Bevel::None) {
        const QColor light = back_.lighter(160);
        const QColor dark = back_.darker(200);
        const QColor topLeft = bevel_ == Bevel::Raised ? light : dark;
        const QColor bottomRight = bevel_ == Bevel::Raised ? dark : light;
        p.setPen(topLeft);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    p.setPen(fore_);
    p.setFont(font());
    p.drawText(r.adjusted(3, 1, -3, -1), static_cast<int>(alignment()), text());
}

// A panel keeps its mouse events: the board under it must not take a press
// on a hand label for a press on the table, nor a move over it for a move
// over the cards.
void Panel3D::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event->button());
    event->accept();
}

void Panel3D::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

void Panel3D::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit doubleClicked();
    event->accept();
}

void Panel3D::mouseMoveEvent(QMouseEvent* event)
{
    emit hovered();
    event->accept();
}
