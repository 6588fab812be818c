#pragma once

// The raised and sunken panels of the game's windows: a label with a bevelled
// edge, a back colour and a fore colour that can be set on their own.

#include <QLabel>

class Panel3D : public QLabel {
    Q_OBJECT
public:
    enum class Bevel { Raised, Sunken, None };
    explicit Panel3D(QWidget* parent = nullptr, Bevel bevel = Bevel::Raised);

    void SetBackColor(const QColor& c);
    void SetForeColor(const QColor& c);
    QColor BackColor() const { return back_; }
    QColor ForeColor() const { return fore_; }
    // Caption with carriage returns shown as line breaks.
    void SetCaption(const QString& caption);
    QString Caption() const { return caption_; }

signals:
    void pressed(Qt::MouseButton button);
    void doubleClicked();
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Bevel bevel_;
    QColor back_ { 192, 192, 192 };
    QColor fore_ { Qt::black };
    QString caption_;
};
