#pragma once

// The marker on a picked card: a box with a black edge and PLAY in yellow,
// blue on the board and red while the markers flash after a refused hand.

#include <QColor>
#include <QPixmap>

class QPainter;

inline const QColor kPlayMarkerBlue(0, 0, 200);
inline const QColor kPlayMarkerRed(220, 0, 0);

// Paints the marker with its top left corner at (x, y).
void DrawPlayMarker(QPainter& p, int x, int y, const QColor& box = kPlayMarkerBlue);
// The marker on a transparent picture of its own, for the given pixel ratio.
QPixmap PlayMarkerPixmap(qreal dpr, const QColor& box = kPlayMarkerBlue);
