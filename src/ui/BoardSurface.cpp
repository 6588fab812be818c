#include "ui/BoardSurface.h"

#include "cardlib/CardFaces.h"

#include <QPainter>

void BoardSurface::Resize(QSize logicalSize, qreal dpr)
{
    if (logicalSize == size_ && qFuzzyCompare(dpr, dpr_) && !pixmap_.isNull())
        return;
    QPixmap old = pixmap_;
    size_ = logicalSize;
    dpr_ = dpr;
    pixmap_ = QPixmap(logicalSize * dpr);
    pixmap_.setDevicePixelRatio(dpr);
    Clear();
    if (!old.isNull()) {
        QPainter p(&pixmap_);
        p.drawPixmap(0, 0, old);
    }
}

QColor BoardSurface::BackgroundAt(int y) const
{
    // 257 bands of 2/512 of the height each, blue 0..256 (capped at 255).
    const int h = qMax(1, size_.height());
    const int band = static_cast<int>(static_cast<qint64>(y) * 256 / h);
    return QColor(0, 0, qBound(0, band, 255));
}

void BoardSurface::PaintGradient(const QRect& area)
{
    if (pixmap_.isNull())
        return;
    QPainter p(&pixmap_);
    const QRect r = area.intersected(QRect(QPoint(0, 0), size_));
    const int h = qMax(1, size_.height());
    for (int i = 0; i <= 256; ++i) {
        const int top = static_cast<int>(static_cast<qint64>(i) * h / 256);
        const int bottom = static_cast<int>(static_cast<qint64>(i + 1) * h / 256);
        const QRect bandRect = QRect(0, top, size_.width(), qMax(1, bottom - top)).intersected(r);
        if (!bandRect.isEmpty())
            p.fillRect(bandRect, QColor(0, 0, qMin(i, 255)));
    }
}

void BoardSurface::Clear()
{
    PaintGradient(QRect(QPoint(0, 0), size_));
}

void BoardSurface::Erase(const QRect& area)
{
    PaintGradient(area);
}

void BoardSurface::CopyArea(const QRect& source, const QPoint& target)
{
    const QPixmap temp = Grab(source);
    Blit(temp, target);
}

QPixmap BoardSurface::Grab(const QRect& area) const
{
    return pixmap_.copy(QRect(area.topLeft() * dpr_, area.size() * dpr_));
}

void BoardSurface::Blit(const QPixmap& picture, const QPoint& at)
{
    if (pixmap_.isNull())
        return;
    QPainter p(&pixmap_);
    QPixmap copy = picture;
    copy.setDevicePixelRatio(dpr_);
    p.drawPixmap(at, copy);
}

void BoardSurface::DrawCard(int card, int x, int y)
{
    if (card == 0 || pixmap_.isNull())
        return;
    QPainter p(&pixmap_);
    Faces().DrawCard(p, card, x, y);
}
