#include "ui/PlayMarker.h"

#include <QPainter>

void DrawPlayMarker(QPainter& p, int x, int y, const QColor& box)
{
    p.save();
    p.fillRect(QRect(x, y, 41, 18), Qt::black);
    p.fillRect(QRect(x + 1, y + 1, 39, 16), box);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(255, 255, 0));
    p.drawText(QRect(x, y, 41, 18), Qt::AlignCenter, QStringLiteral("PLAY"));
    p.restore();
}

QPixmap PlayMarkerPixmap(qreal dpr, const QColor& box)
{
    QPixmap pm(QSize(41, 20) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    DrawPlayMarker(p, 0, 0, box);
    return pm;
}
