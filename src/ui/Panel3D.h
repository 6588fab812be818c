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
    // A one-line caption too long for the panel is drawn narrower, then
    // smaller, until the whole line shows; a short one keeps the panel's font.
    void SetFitToWidth(bool fit);
    // The caption as it is painted: whole, or cut in its middle when even the
    // smallest font cannot fit it.
    QString ShownText() const;

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
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitFont();

    Bevel bevel_;
    bool fit_ = false;
    QFont fitBase_;
    QColor back_ { 192, 192, 192 };
    QColor fore_ { Qt::black };
    QString caption_;
};
