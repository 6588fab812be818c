#include "ui/WindowMotion.h"

#include "ui/Sound.h"
#include "ui/SoundNames.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <functional>

namespace {
QPointer<QWidget>& MainPtr()
{
    static QPointer<QWidget> main;
    return main;
}

QSize ScreenSize(const QWidget* w)
{
    const QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

// A counted loop from `from` towards `to` in steps of `step`; the property takes
// each loop value, events run, and the exact final value is set at the end.
void Animate(int from, int to, double step, const std::function<void(int)>& apply)
{
    if (step != 0.0 && ((to - from) / step) >= 0) {
        const int count = static_cast<int>((to - from) / step);
        for (int i = 0; i <= count; ++i) {
            apply(static_cast<int>(from + i * step));
            DoEvents();
        }
    }
    apply(to);
}
} // namespace

void SetMainWindow(QWidget* main)
{
    MainPtr() = main;
}

QWidget* MainWindow()
{
    return MainPtr().data();
}

void CenterOnMain(QWidget* window)
{
    const QWidget* main = MainWindow();
    if (!window || !main)
        return;
    const QRect m = main->frameGeometry();
    const QSize s = window->frameGeometry().size();
    window->move(m.left() + m.width() / 2 - s.width() / 2, m.top() + m.height() / 2 - s.height() / 2);
}

void SlideIn(QWidget* window, const QString& direction)
{
    if (window) {
        const QString d = direction.toUpper();
        const QSize screen = ScreenSize(window);
        const QPoint home = window->pos();
        const int W = screen.width(), H = screen.height();
        if (d == QLatin1String("UP")) {
            window->move(home.x(), H);
            Animate(H, home.y(), -H / 50.0, [&](int v) { window->move(home.x(), v); });
        } else if (d == QLatin1String("DOWN")) {
            window->move(home.x(), -window->height());
            Animate(-window->height(), home.y(), H / 50.0, [&](int v) { window->move(home.x(), v); });
        } else if (d == QLatin1String("LEFT")) {
            Animate(W, home.x(), -W / 50.0, [&](int v) { window->move(v, home.y()); });
        } else if (d == QLatin1String("RIGHT")) {
            Animate(-window->width(), home.x(), W / 50.0, [&](int v) { window->move(v, home.y()); });
        }
    }
    PlaySoundAndYield(SoundFile::ClickBg);
}

void SlideOut(QWidget* window, const QString& direction)
{
    PlaySoundAndYield(SoundFile::Message2);
    if (!window)
        return;
    const QString d = direction.toUpper();
    const QSize screen = ScreenSize(window);
    const QPoint home = window->pos();
    const int W = screen.width(), H = screen.height();
    if (d == QLatin1String("UP"))
        Animate(home.y(), -window->height(), -H / 25.0, [&](int v) { window->move(home.x(), v); });
    else if (d == QLatin1String("DOWN"))
        Animate(home.y(), H + 300 / 15, H / 25.0, [&](int v) { window->move(home.x(), v); });
    else if (d == QLatin1String("LEFT"))
        Animate(home.x(), -window->width(), -W / 25.0, [&](int v) { window->move(v, home.y()); });
    else if (d == QLatin1String("RIGHT"))
        Animate(home.x(), W, W / 25.0, [&](int v) { window->move(v, home.y()); });
    window->hide();
    window->move(home);
}

void UnrollWindow(QWidget* window, const QString& direction)
{
    if (window) {
        const QString d = direction.toUpper();
        const QSize full = window->size();
        if (d == QLatin1String("DOWN"))
            Animate(0, full.height(), full.height() / 50.0, [&](int v) { window->resize(full.width(), qMax(v, 1)); });
        else if (d == QLatin1String("RIGHT"))
            Animate(0, full.width(), full.width() / 1000.0, [&](int v) { window->resize(qMax(v, 1), full.height()); });
    }
    PlaySoundAndYield(SoundFile::ClickBg);
}

void RollUp(QWidget* window, const QString& direction)
{
    if (window) {
        const QString d = direction.toUpper();
        const QSize full = window->size();
        if (d == QLatin1String("UP"))
            Animate(full.height(), 0, -full.height() / 20.0, [&](int v) { window->resize(full.width(), qMax(v, 1)); });
        else if (d == QLatin1String("LEFT"))
            Animate(full.width(), 0, -full.width() / 50.0, [&](int v) { window->resize(qMax(v, 1), full.height()); });
        window->hide();
        window->resize(full);
    }
    PlaySoundAndYield(SoundFile::Message2);
}
