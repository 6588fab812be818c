#pragma once

// The colour ramps the game's windows paint as their backgrounds. The area's
// height counts as 512 units; for i from `first` to `last` (counting up or
// down) a band is painted, each `stepUnits` further down than the one before,
// in colour(level) where level is i held to 0..255. Bands that would start
// below the area are left out, so a ramp may end before its last colour.

#include <QColor>
#include <QRect>

#include <functional>

class QPainter;

void PaintRamp(QPainter& painter, const QRect& area, int first, int last, double stepUnits,
    const std::function<QColor(int level)>& colour);
