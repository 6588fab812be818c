#include "ui/FastPlay.h"

#include "ui/Sound.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSettings>

namespace {
const QString kFastPlayKey = QStringLiteral("FastPlay");
const QString kSettingsName = QStringLiteral("Solitaire Quibel");
} // namespace

bool FastPlayOn()
{
    return QSettings(kSettingsName, kSettingsName).value(kFastPlayKey, false).toBool();
}

void SetFastPlay(bool on)
{
    QSettings s(kSettingsName, kSettingsName);
    s.setValue(kFastPlayKey, on);
    s.sync();
    SetPausesSkipped(on);
}

void ApplyFastPlay()
{
    SetPausesSkipped(FastPlayOn());
}

CountHurry::CountHurry()
    : scale_(TimeScale())
{
    if (FastPlayOn() && QCoreApplication::instance()) {
        QCoreApplication::instance()->installEventFilter(this);
        watching_ = true;
    }
}

CountHurry::~CountHurry()
{
    if (watching_)
        QCoreApplication::instance()->removeEventFilter(this);
    if (hurried_)
        SetTimeScale(scale_);
}

bool CountHurry::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::KeyPress) {
        if (!hurried_) {
            hurried_ = true;
            SetTimeScale(0);
        }
        // The click or key only hurries the count; it reaches nothing else.
        return true;
    }
    return QObject::eventFilter(watched, event);
}
