#pragma once

// The game window's persistent drawing: a pixmap the size of the window's
// client area holding the gradient background plus every card and marker drawn
// since. Clearing brings the gradient back; erasing an area paints the gradient
// of that area back. Coordinates are logical pixels; the pixmap carries the
// screen's device pixel ratio so cards stay crisp on HiDPI screens.

#include <QPixmap>
#include <QRect>

class BoardSurface {
public:
    void Resize(QSize logicalSize, qreal dpr);
    QSize Size() const { return size_; }

    // The background: black at the top to blue at the bottom.
    void Clear();
    void Erase(const QRect& area);
    // Copies an area to another place; overlapping copies are right because
    // the copy goes through a temporary.
    void CopyArea(const QRect& source, const QPoint& target);
    QPixmap Grab(const QRect& area) const;
    void Blit(const QPixmap& picture, const QPoint& at);
    void DrawCard(int card, int x, int y);

    const QPixmap& Pixmap() const { return pixmap_; }
    // The colour the background has at row y.
    QColor BackgroundAt(int y) const;

private:
    void PaintGradient(const QRect& area);

    QPixmap pixmap_;
    QSize size_;
    qreal dpr_ = 1.0;
};
