#pragma once

// The small modeless message window: two lines of text, each drawn twice
// (a shadow copy and a top copy), over a grey ramp. The shuffling scene and
// the victory sequence use it with their own texts and colours.

#include <QDialog>

#include <array>

class QLabel;

class frmMsg : public QDialog {
    Q_OBJECT
public:
    explicit frmMsg(QWidget* parent = nullptr);

    void SetLabel1(const QString& text);
    void SetLabel2(const QString& text);
    // The back colour of the shadow label and the fill of the two shapes.
    void SetShadowColor(const QColor& color);

    // Places the window over the game window and slides it in.
    void ShowSliding();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QLabel*, 2> label1_ {};
    std::array<QLabel*, 2> label2_ {};
    QColor shadow_ { 0, 0, 128 };
};
