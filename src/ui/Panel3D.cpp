#include "ui/Panel3D.h"

#include <QFontMetrics>
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
    FitFont();
}

void Panel3D::SetFitToWidth(bool fit)
{
    fit_ = fit;
    fitBase_ = font();
    FitFont();
}

namespace {
// Room for the text inside the bevel, as paintEvent draws it.
QRect TextRect(const QRect& r)
{
    return r.adjusted(3, 1, -3, -1);
}

// Whether a line shows whole in its room. The fitting and the painting ask
// the same question: the font's own eliding measures a little more than the
// advance, and cut a line the fitting had just made fit.
bool Fits(const QFontMetrics& metrics, const QString& text, int room)
{
    return metrics.horizontalAdvance(text) <= room;
}
} // namespace

void Panel3D::FitFont()
{
    if (!fit_)
        return;
    const int room = TextRect(rect()).width();
    auto fits = [&](const QFont& f) { return Fits(QFontMetrics(f), text(), room); };
    QFont f = fitBase_;
    for (int stretch = 95; !fits(f) && stretch >= 75; stretch -= 5)
        f.setStretch(stretch);
    while (!fits(f) && f.pointSizeF() > 6.0)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    setFont(f);
}

void Panel3D::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    FitFont();
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
    p.drawText(TextRect(r), static_cast<int>(alignment()), ShownText());
}

QString Panel3D::ShownText() const
{
    // The last resort of a fitted line: what cannot shrink further loses its middle.
    const int room = TextRect(rect()).width();
    if (!fit_ || Fits(fontMetrics(), text(), room))
        return text();
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, room);
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
