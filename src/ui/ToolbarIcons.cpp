#include "ui/ToolbarIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace {
// Every icon is drawn on a 16 by 16 grid and scaled, so it stays crisp at any size.
void DrawIcon(QPainter& p, ToolbarButton button)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(20, 40, 110);
    const QColor gold(230, 180, 20);
    QPen pen(ink, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    switch (button) {
    case ToolbarButton::TopTen: { // high scores: a trophy
        p.setBrush(gold);
        QPainterPath cup;
        cup.moveTo(4, 2.5);
        cup.lineTo(12, 2.5);
        cup.cubicTo(12, 8, 10, 9.5, 8, 9.5);
        cup.cubicTo(6, 9.5, 4, 8, 4, 2.5);
        p.drawPath(cup);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(1.5, 3, 3, 4), 90 * 16, 180 * 16);
        p.drawArc(QRectF(11.5, 3, 3, 4), 270 * 16, 180 * 16);
        p.drawLine(QPointF(8, 9.5), QPointF(8, 12));
        p.setBrush(gold);
        p.drawRect(QRectF(5, 12, 6, 2));
        break;
    }
    case ToolbarButton::PlayerList: // player list: two people
        p.setBrush(QColor(90, 140, 220));
        p.drawEllipse(QRectF(2, 2.5, 4.5, 4.5));
        p.drawPie(QRectF(0.5, 8, 7.5, 9), 0, 180 * 16);
        p.setBrush(QColor(60, 170, 90));
        p.drawEllipse(QRectF(9, 2.5, 4.5, 4.5));
        p.drawPie(QRectF(7.5, 8, 7.5, 9), 0, 180 * 16);
        break;
    case ToolbarButton::Undo: { // undo: a curved arrow to the left
        p.setBrush(Qt::NoBrush);
        QPainterPath arc;
        arc.moveTo(4, 6);
        arc.cubicTo(9, 6, 14, 6.5, 13, 11);
        arc.cubicTo(12.5, 13, 10.5, 13.5, 8, 13.5);
        p.drawPath(arc);
        p.setBrush(ink);
        QPolygonF head;
        head << QPointF(1.5, 6) << QPointF(5.5, 2.5) << QPointF(5.5, 9.5);
        p.drawPolygon(head);
        break;
    }
    case ToolbarButton::GameStats: // game stats: a bar chart
        p.setBrush(QColor(220, 80, 60));
        p.drawRect(QRectF(2, 8, 3, 6));
        p.setBrush(QColor(60, 160, 80));
        p.drawRect(QRectF(6.5, 4, 3, 10));
        p.setBrush(QColor(70, 110, 220));
        p.drawRect(QRectF(11, 6, 3, 8));
        break;
    case ToolbarButton::Hint: // hint: a light bulb
        p.setBrush(QColor(255, 230, 80));
        p.drawEllipse(QRectF(3.5, 1.5, 9, 9));
        p.setBrush(QColor(160, 160, 160));
        p.drawRect(QRectF(6, 10.5, 4, 3));
        p.drawLine(QPointF(6.5, 14.5), QPointF(9.5, 14.5));
        break;
    case ToolbarButton::Help: { // help: a question mark in a circle
        p.setBrush(QColor(70, 120, 220));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        QFont f;
        f.setPixelSize(11);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case ToolbarButton::NewGame: // new game: two fanned cards
        p.setBrush(Qt::white);
        p.save();
        p.translate(7, 9);
        p.rotate(-15);
        p.drawRoundedRect(QRectF(-5, -6.5, 8, 11), 1.2, 1.2);
        p.restore();
        p.drawRoundedRect(QRectF(6.5, 2.5, 8, 11), 1.2, 1.2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 30, 30));
        p.drawEllipse(QRectF(9, 6, 3, 3));
        break;
    case ToolbarButton::Pause: // pause: two bars
        p.setBrush(ink);
        p.drawRect(QRectF(4, 3, 3, 10));
        p.drawRect(QRectF(9, 3, 3, 10));
        break;
    default:
        break;
    }
}

// Paints on demand at whatever size and pixel ratio the button asks for, so
// nothing is drawn before the window shows.
class ToolbarIconEngine : public QIconEngine {
public:
    explicit ToolbarIconEngine(ToolbarButton button)
        : button_(button)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 16.0, rect.height() / 16.0);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.35);
        DrawIcon(*painter, button_);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }

    QIconEngine* clone() const override { return new ToolbarIconEngine(button_); }

private:
    ToolbarButton button_;
};
} // namespace

QIcon ToolbarIcon(ToolbarButton button)
{
    return QIcon(new ToolbarIconEngine(button));
}
