#include "app/Platform.h"

QString WindowsVersionName(int platform, int major, int minor)
{
    if (platform == 1) {
        switch (minor) {
        case 0:
            return QStringLiteral("Windows 95");
        case 10:
            return QStringLiteral("Windows 98");
        case 90:
            return QStringLiteral("Windows Millennium");
        default:
            return {};
        }
    }
    if (platform == 2) {
        if (major == 3)
            return QStringLiteral("Windows NT 3.51");
        if (major == 4)
            return QStringLiteral("Windows NT 4.0");
        if (major == 5)
            return minor == 0 ? QStringLiteral("Windows 2000") : QStringLiteral("Windows XP");
        return QStringLiteral("Windows Vista or Greater");
    }
    return QStringLiteral("Failed");
}

QString WindowsVersionName()
{
    return WindowsVersionName(0, 0, 0);
}
