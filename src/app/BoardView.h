#pragma once

// The widgets the game window is made of: the board that shows the window's
// persistent drawing and takes the mouse play, the picture that covers the
// cards while another window is open, and the toolbar's buttons.

#include <QToolButton>
#include <QWidget>

class frmMain;

class BoardView : public QWidget {
    Q_OBJECT
public:
    explicit BoardView(frmMain* form);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    frmMain* form_;
};

class CoverView : public QWidget {
    Q_OBJECT
public:
    CoverView(frmMain* form, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    frmMain* form_;
};

// A toolbar button that reports the pointer moving over it and leaving it.
// Its mouse moves stay with it: the title band under it hides the caption.
class ToolButton : public QToolButton {
    Q_OBJECT
public:
    explicit ToolButton(QWidget* parent);

signals:
    void hovered();
    void left();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
};
