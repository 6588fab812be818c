#pragma once

// The game's help: HTML pages that lie beside the program, shown in a window
// of their own that opens at the contents page. The window does not hold up
// the game; one is open at a time, and it belongs to the window that asked.

#include <QDialog>

class QPushButton;
class QTextBrowser;

// The contents page of the help: AppFolder + "quibel-help.html".
QString HelpFilePath();

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the page at path from its top.
    void ShowPage(const QString& path);

    QTextBrowser* txtHelp = nullptr;
    QPushButton* btnContents = nullptr;
    QPushButton* btnBack = nullptr;
    QPushButton* btnForward = nullptr;
    QPushButton* btnClose = nullptr;

private:
    QString contents_;
};

// The help pages at their contents.
void ShowHelpContents(QWidget* owner);
