#include "ui/Ramp.h"

#include <QPainter>

#include <algorithm>

void PaintRamp(QPainter& painter, const QRect& area, int first, int last, double stepUnits,
    const std::function<QColor(int level)>& colour)
{
    const double unit = area.height() / 512.0;
    const int direction = last >= first ? 1 : -1;
    // Bands are at least 2 units high, and never leave a gap when they step further.
    const double bandHeight = std::max(2.0, stepUnits) * unit;
    double y = 0.0;
    for (int i = first;; i += direction) {
        if (y >= area.height())
            break;
        const QRectF band(area.left(), area.top() + y, area.width(), bandHeight);
        painter.fillRect(band.intersected(QRectF(area)), colour(std::clamp(i, 0, 255)));
        if (i == last)
            break;
        y += stepUnits * unit;
    }
}
