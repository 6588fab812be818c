#include "app/BoardView.h"
#include "app/frmMain.h"

#include "cardlib/CardFaces.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

BoardView::BoardView(frmMain* form)
    : QWidget(form)
    , form_(form)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.drawPixmap(event->rect(), form_->Surface().Pixmap(),
        QRectF(QPointF(event->rect().topLeft()) * form_->Surface().Pixmap().devicePixelRatio(),
            QSizeF(event->rect().size()) * form_->Surface().Pixmap().devicePixelRatio()));
    if (form_->flyingCard_ != 0)
        Faces().DrawCard(p, form_->flyingCard_, form_->flyingAt_.x(), form_->flyingAt_.y());
    form_->PaintRefusalFlash(p);
    form_->PaintKeyboardAids(p);
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    form_->Form_MouseDown(event->button(), at.x(), at.y());
}

void BoardView::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    form_->Form_MouseUp(event->button(), at.x(), at.y());
}

void BoardView::mouseMoveEvent(QMouseEvent*)
{
    form_->Form_MouseMove();
}

void BoardView::keyPressEvent(QKeyEvent* event)
{
    if (!form_->Board_KeyPress(event->key()))
        QWidget::keyPressEvent(event);
}

CoverView::CoverView(frmMain* form, QWidget* parent)
    : QWidget(parent)
    , form_(form)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CoverView::paintEvent(QPaintEvent*)
{
    // The cover shows the bare table, so nothing of the board can be read through it.
    QPainter p(this);
    const BoardSurface& s = form_->Surface();
    for (int y = 0; y < height(); ++y)
        p.fillRect(0, y, width(), 1, s.BackgroundAt(y + this->y()));
}

ToolButton::ToolButton(QWidget* parent)
    : QToolButton(parent)
{
    setMouseTracking(true);
    // Also while the button is disabled, a move over it must not reach the title band.
    setAttribute(Qt::WA_NoMousePropagation);
}

void ToolButton::mouseMoveEvent(QMouseEvent* event)
{
    emit hovered();
    QToolButton::mouseMoveEvent(event);
    event->accept();
}

void ToolButton::leaveEvent(QEvent* event)
{
    emit left();
    QToolButton::leaveEvent(event);
}

void ToolButton::enterEvent(QEnterEvent* event)
{
    emit hovered();
    QToolButton::enterEvent(event);
}
