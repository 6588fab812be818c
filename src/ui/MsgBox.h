#pragma once

// The game's message boxes. Styles combine buttons and an icon the classic way:
// 0 OK, 3 Yes/No/Cancel, 4 Yes/No; +16 critical, +32 question, +48 exclamation,
// +64 information; +256 makes the second button the default. The text is shown
// as plain text, carriage returns as line breaks.

#include <QString>

#include <functional>

class QWidget;

enum MsgBoxResult { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };
enum MsgBoxStyle {
    vbOKOnly = 0,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256
};

struct MsgBoxCall {
    QString text;
    int style = 0;
    QString title;
};

// Shows the box modally over the active window and returns the button pressed.
int MsgBox(const QString& text, int style, const QString& title);

// Tests answer boxes through a responder instead of a real window; it sees
// every box and returns the button to press. An empty function restores real boxes.
void SetMsgBoxResponder(std::function<int(const MsgBoxCall&)> responder);
