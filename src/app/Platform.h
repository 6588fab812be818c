#pragma once

// A short name of the running Windows version, chosen by platform (1 the 9x
// line, 2 the NT line), major and minor version; "Failed" on any other
// platform, which is what every system this game runs on now reports.

#include <QString>

QString WindowsVersionName(int platform, int major, int minor);
QString WindowsVersionName();
