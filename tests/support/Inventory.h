#pragma once

// What a window shows, as plain text to compare with a table in one go:
// every text a player can read in it with its colours, and every button and
// menu command with its state.

#include "ui/MsgBox.h"
#include "ui/Panel3D.h"

#include <QAbstractButton>
#include <QMap>
#include <QMenuBar>

namespace test {

// The window's title and each text visible in it (not in windows over it),
// sorted: the order the window made them in does not count. A label reads
// "text #ink", a panel "text #ink/#back", a button "[text]" and a menu's
// command "menu > text", with "off" (disabled) or "ticked" after it.
inline QStringList Shown(const QWidget* window)
{
    QStringList shown;
    for (const QLabel* l : window->findChildren<QLabel*>()) {
        if (l->window() != window || !l->isVisibleTo(window) || l->text().isEmpty())
            continue;
        const auto* panel = qobject_cast<const Panel3D*>(l);
        const QColor ink = panel ? panel->ForeColor() : l->palette().color(QPalette::WindowText);
        shown.append(l->text() + u' ' + ink.name() + (panel ? u'/' + panel->BackColor().name() : QString()));
    }
    for (const QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (b->window() != window || !b->isVisibleTo(window))
            continue;
        shown.append(u'[' + b->text() + u']' + (b->isEnabled() ? "" : " off") + (b->isChecked() ? " ticked" : ""));
    }
    for (const QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        for (const QAction* menu : bar->actions()) {
            for (const QAction* a : menu->menu()->actions()) {
                if (!a->isSeparator())
                    shown.append(menu->text() + " > " + a->text() + (a->isEnabled() ? "" : " off"));
            }
        }
    }
    shown.append("title: " + window->windowTitle());
    shown.sort();
    return shown;
}

// The message boxes asked for, each as "title [icon buttons]", with "No
// default" when No is: what shows of a box besides its text.
inline QStringList Boxes(const QList<MsgBoxCall>& calls)
{
    const QMap<int, QString> icons { { 0, "plain" }, { vbCritical, "stop" }, { vbQuestion, "question" },
        { vbExclamation, "warning" }, { vbInformation, "information" } };
    const QMap<int, QString> buttons { { vbOKOnly, "OK" }, { vbYesNoCancel, "Yes/No/Cancel" }, { vbYesNo, "Yes/No" } };
    const int iconBits = vbCritical | vbQuestion | vbExclamation | vbInformation;
    const int buttonBits = vbYesNoCancel | vbYesNo;
    QStringList boxes;
    for (const MsgBoxCall& c : calls)
        boxes.append(c.title + " [" + icons.value(c.style & iconBits, "?") + ' '
            + buttons.value(c.style & buttonBits, "?") + (c.style & vbDefaultButton2 ? " No default]" : "]"));
    return boxes;
}

// A table of what a window should show, in the order Shown() gives.
inline QStringList Sorted(QStringList table)
{
    table.sort();
    return table;
}

} // namespace test
