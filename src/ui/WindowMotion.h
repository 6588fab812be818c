#pragma once

// How the smaller windows arrive and leave: centred over the game window, then
// slid in from a screen edge, unrolled, slid out or rolled up, a step at a time
// with the event loop running between steps, each motion ending with a sound.
// Directions are "UP", "DOWN", "LEFT" or "RIGHT", in any letter case; any other
// direction moves nothing. Each motion puts back the geometry it changed.

#include <QString>

class QWidget;

// The game window the smaller windows centre on; set once by the game window.
void SetMainWindow(QWidget* main);
QWidget* MainWindow();

void CenterOnMain(QWidget* window);
void SlideIn(QWidget* window, const QString& direction);
void SlideOut(QWidget* window, const QString& direction);
void UnrollWindow(QWidget* window, const QString& direction);
void RollUp(QWidget* window, const QString& direction);
