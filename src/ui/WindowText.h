#pragma once

// The texts of the game's windows: labels in a chosen font and colour, and
// the fonts they use.

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QWidget;

// A label in its own font and text colour.
QLabel* ColouredLabel(QWidget* parent, const QColor& color, const QFont& font, const QString& text = {});
void SetTextColor(QWidget* widget, const QColor& color);

// The application's font at a size, bold and italic as asked.
QFont SizedFont(int pointSize, bool bold = true, bool italic = false);
// The fixed-pitch font of lists and tables (Courier New where it is installed).
QFont FixedFont(int pointSize = 10, bool bold = true);
