#pragma once

// Card pictures drawn by our own code, used when no card deck is installed or
// a deck lacks a picture. Everything is drawn with shapes scaled to the card,
// so a face stays readable at any size and even when no font is available.

#include <QSizeF>

class QPainter;

namespace FallbackFaces {

// An ordinary card: rank 1..13 (Ace 1), suit 1..4 (clubs, diamonds, hearts, spades).
void PaintFace(QPainter& painter, int rank, int suit, QSizeF size);
void PaintJoker(QPainter& painter, bool red, QSizeF size);
void PaintBack(QPainter& painter, QSizeF size);

} // namespace FallbackFaces
