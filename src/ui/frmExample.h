#pragma once

// A picture of a game in progress, drawn with the game's own cards from a
// fixed board, with a few words on what it shows. Clicking the picture only
// reminds the player that it is a picture.

#include <QDialog>

class QLabel;
class QPushButton;

class frmExample : public QDialog {
    Q_OBJECT
public:
    explicit frmExample(QWidget* parent = nullptr);

    // The picture as drawn for a device pixel ratio.
    static QPixmap ExamplePicture(qreal dpr = 1.0);

    QLabel* picExample = nullptr;
    QLabel* lblExample = nullptr;
    QPushButton* btnClose = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void picExample_Click();
};
