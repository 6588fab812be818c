#include "ui/MsgBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {
std::function<int(const MsgBoxCall&)>& Responder()
{
    static std::function<int(const MsgBoxCall&)> responder;
    return responder;
}

QMessageBox::Icon IconOf(int style)
{
    switch (style & 0x70) {
    case vbCritical:
        return QMessageBox::Critical;
    case vbQuestion:
        return QMessageBox::Question;
    case vbExclamation:
        return QMessageBox::Warning;
    case vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}
} // namespace

void SetMsgBoxResponder(std::function<int(const MsgBoxCall&)> responder)
{
    Responder() = std::move(responder);
}

int MsgBox(const QString& text, int style, const QString& title)
{
    if (Responder())
        return Responder()(MsgBoxCall { text, style, title });

    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(IconOf(style), title, shown, QMessageBox::NoButton, QApplication::activeWindow());
    // Texts carry players' names as typed: "<b>Ann</b>" is a name, not markup.
    box.setTextFormat(Qt::PlainText);
    const int buttons = style & 0x7;
    QList<QMessageBox::StandardButton> order;
    if (buttons == vbYesNoCancel)
        order = { QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel };
    else if (buttons == vbYesNo)
        order = { QMessageBox::Yes, QMessageBox::No };
    else
        order = { QMessageBox::Ok };
    for (auto b : order)
        box.addButton(b);
    const int defaultIndex = (style & vbDefaultButton2) && order.size() > 1 ? 1 : 0;
    box.setDefaultButton(order[defaultIndex]);
    if (buttons == vbYesNo)
        box.setEscapeButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return vbYes;
    case QMessageBox::No:
        return vbNo;
    case QMessageBox::Cancel:
        return vbCancel;
    default:
        return buttons == vbYesNoCancel ? vbCancel : vbOK;
    }
}
