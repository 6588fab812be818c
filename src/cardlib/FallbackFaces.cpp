#include "cardlib/FallbackFaces.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

const QColor kRed(200, 16, 24);
const QColor kBlack(24, 24, 24);

bool IsRed(int suit)
{
    return suit == 2 || suit == 3;
}

QPainterPath Circle(qreal cx, qreal cy, qreal r)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), r, r);
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

// Suit signs in the unit square, point of a heart or diamond downwards.
QPainterPath MakeSuitPath(int suit)
{
    switch (suit) {
    case 1:
        return Circle(0.5, 0.27, 0.22)
            .united(Circle(0.26, 0.57, 0.22))
            .united(Circle(0.74, 0.57, 0.22))
            .united(Circle(0.5, 0.5, 0.14))
            .united(Polygon({ { 0.5, 0.55 }, { 0.66, 1.0 }, { 0.34, 1.0 } }));
    case 2:
        return Polygon({ { 0.5, 0.0 }, { 0.88, 0.5 }, { 0.5, 1.0 }, { 0.12, 0.5 } });
    case 3:
        return Circle(0.27, 0.3, 0.25)
            .united(Circle(0.73, 0.3, 0.25))
            .united(Polygon({ { 0.04, 0.4 }, { 0.5, 0.98 }, { 0.96, 0.4 }, { 0.5, 0.3 } }));
    default:
        return Circle(0.28, 0.58, 0.23)
            .united(Circle(0.72, 0.58, 0.23))
            .united(Polygon({ { 0.06, 0.5 }, { 0.5, 0.0 }, { 0.94, 0.5 }, { 0.5, 0.7 } }))
            .united(Polygon({ { 0.5, 0.6 }, { 0.66, 1.0 }, { 0.34, 1.0 } }));
    }
}

const QPainterPath& SuitPath(int suit)
{
    static const std::array<QPainterPath, 4> paths { MakeSuitPath(1), MakeSuitPath(2), MakeSuitPath(3),
        MakeSuitPath(4) };
    return paths[std::clamp(suit, 1, 4) - 1];
}

void DrawShape(QPainter& p, const QPainterPath& unitShape, const QColor& color, QPointF centre, qreal size,
    bool upsideDown = false)
{
    p.save();
    p.translate(centre);
    if (upsideDown)
        p.rotate(180);
    p.scale(size, size);
    p.translate(-0.5, -0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(unitShape);
    p.restore();
}

void DrawSuit(QPainter& p, int suit, QPointF centre, qreal size, bool upsideDown = false)
{
    DrawShape(p, SuitPath(suit), IsRed(suit) ? kRed : kBlack, centre, size, upsideDown);
}

void DrawText(QPainter& p, const QString& text, const QRectF& box, qreal pixelSize, const QColor& color)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(1, qRound(pixelSize)));
    if (text.size() > 1)
        font.setStretch(QFont::Condensed);
    p.setFont(font);
    p.setPen(color);
    p.drawText(box, Qt::AlignCenter, text);
}

void PaintBlank(QPainter& p, QSizeF size, const QColor& fill)
{
    const qreal radius = std::min(size.width(), size.height()) * 0.07;
    p.setPen(QPen(QColor(70, 70, 70), 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(QPointF(0.5, 0.5), size - QSizeF(1, 1)), radius, radius);
}

// Draws the top-left corner, then turns the card round and draws it again.
template <typename Corner> void BothCorners(QPainter& p, QSizeF size, Corner corner)
{
    corner();
    p.save();
    p.translate(size.width(), size.height());
    p.rotate(180);
    corner();
    p.restore();
}

QString RankText(int rank)
{
    static const std::array<const char*, 13> names { "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K" };
    return QString::fromLatin1(names[std::clamp(rank, 1, 13) - 1]);
}

// Pip centres as (column, row): columns 0..2 left to right, rows 0..1 top to bottom.
std::vector<QPointF> PipLayout(int rank)
{
    const qreal third = 1.0 / 3;
    std::vector<QPointF> pips;
    auto sides = [&pips](std::initializer_list<qreal> rows) {
        for (qreal row : rows) {
            pips.emplace_back(0, row);
            pips.emplace_back(2, row);
        }
    };
    switch (rank) {
    case 2:
        pips = { { 1, 0 }, { 1, 1 } };
        break;
    case 3:
        pips = { { 1, 0 }, { 1, 0.5 }, { 1, 1 } };
        break;
    case 4:
    case 5:
        sides({ 0, 1 });
        if (rank == 5)
            pips.emplace_back(1, 0.5);
        break;
    case 6:
    case 7:
    case 8:
        sides({ 0, 0.5, 1 });
        if (rank >= 7)
            pips.emplace_back(1, 0.25);
        if (rank == 8)
            pips.emplace_back(1, 0.75);
        break;
    default:
        sides({ 0, third, 2 * third, 1 });
        if (rank == 9) {
            pips.emplace_back(1, 0.5);
        } else {
            pips.emplace_back(1, third / 2);
            pips.emplace_back(1, 1 - third / 2);
        }
        break;
    }
    return pips;
}

void PaintMiddle(QPainter& p, int rank, int suit, QSizeF size)
{
    const qreal w = size.width();
    const qreal h = size.height();
    const QColor color = IsRed(suit) ? kRed : kBlack;
    if (rank == 1) {
        DrawSuit(p, suit, { w / 2, h / 2 }, w * 0.45);
        return;
    }
    if (rank >= 11) {
        const QRectF frame(w * 0.22, h * 0.16, w * 0.56, h * 0.68);
        p.setPen(QPen(color, std::max(1.0, w / 50)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(frame);
        DrawText(
            p, RankText(rank), QRectF(frame.left(), frame.top(), frame.width(), frame.height() * 0.5), h * 0.24, color);
        DrawSuit(p, suit, { w / 2, frame.top() + frame.height() * 0.7 }, w * 0.3);
        return;
    }
    const qreal pipSize = w * 0.18;
    for (const QPointF& pip : PipLayout(rank)) {
        const QPointF centre(w * (0.3 + 0.2 * pip.x()), h * (0.2 + 0.6 * pip.y()));
        DrawSuit(p, suit, centre, pipSize, pip.y() > 0.5);
    }
}

QPainterPath StarPath()
{
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? 0.5 : 0.2;
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF point(0.5 + r * std::cos(angle), 0.53 + r * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    return star;
}

} // namespace

namespace FallbackFaces {

void PaintFace(QPainter& p, int rank, int suit, QSizeF size)
{
    const qreal w = size.width();
    const qreal h = size.height();
    const QColor color = IsRed(suit) ? kRed : kBlack;
    PaintBlank(p, size, Qt::white);
    BothCorners(p, size, [&] {
        DrawText(p, RankText(rank), QRectF(w * 0.01, h * 0.02, w * 0.2, h * 0.16), h * 0.15, color);
        DrawSuit(p, suit, { w * 0.11, h * 0.24 }, w * 0.13);
    });
    PaintMiddle(p, rank, suit, size);
}

void PaintJoker(QPainter& p, bool red, QSizeF size)
{
    const qreal w = size.width();
    const qreal h = size.height();
    const QColor color = red ? kRed : kBlack;
    PaintBlank(p, size, Qt::white);
    BothCorners(
        p, size, [&] { DrawText(p, QStringLiteral("JOKER"), QRectF(0, h * 0.04, w, h * 0.18), w * 0.19, color); });
    static const QPainterPath star = StarPath();
    DrawShape(p, star, color, { w / 2, h / 2 }, w * 0.6);
}

void PaintBack(QPainter& p, QSizeF size)
{
    const qreal w = size.width();
    const qreal h = size.height();
    PaintBlank(p, size, QColor(28, 58, 140));
    const qreal inset = w * 0.09;
    const QRectF inner(inset, inset, w - 2 * inset, h - 2 * inset);
    p.save();
    p.setClipRect(inner);
    p.setPen(QPen(QColor(110, 150, 230), std::max(1.0, w / 60)));
    const qreal step = w * 0.1;
    for (qreal d = -h; d < w + h; d += step) {
        p.drawLine(QPointF(d, 0), QPointF(d + h, h));
        p.drawLine(QPointF(d, h), QPointF(d + h, 0));
    }
    p.restore();
    p.setPen(QPen(Qt::white, std::max(1.0, w / 30)));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner, w * 0.04, w * 0.04);
}

} // namespace FallbackFaces
