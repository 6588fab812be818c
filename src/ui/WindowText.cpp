#include "ui/WindowText.h"

#include <QApplication>
#include <QLabel>

QLabel* ColouredLabel(QWidget* parent, const QColor& color, const QFont& font, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    SetTextColor(label, color);
    return label;
}

void SetTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

QFont SizedFont(int pointSize, bool bold, bool italic)
{
    QFont font = QApplication::font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont FixedFont(int pointSize, bool bold)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}
