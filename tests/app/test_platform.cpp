// The Windows version names by platform, major and minor version, and the
// special folder that holds the game's data.

#include "app/Platform.h"
#include "records/DataFolder.h"

#include <QTemporaryDir>
#include <QTest>

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void versionNames()
    {
        const std::tuple<int, int, int, const char*> cases[]
            = { { 1, 4, 10, "Windows 98" }, { 1, 4, 90, "Windows Millennium" }, { 1, 4, 3, "" },
                  { 2, 3, 51, "Windows NT 3.51" }, { 2, 5, 1, "Windows XP" }, { 2, 10, 0, "Windows Vista or Greater" },
                  { 2, 2, 0, "Windows Vista or Greater" }, { 3, 5, 0, "Failed" } };
        for (const auto& [platform, major, minor, name] : cases)
            QCOMPARE(WindowsVersionName(platform, major, minor), QString::fromLatin1(name));
        QCOMPARE(WindowsVersionName(), QStringLiteral("Failed")); // this system is no Windows
    }

    void dataFolderCodeIsTheUsersDataFolder()
    {
        QTemporaryDir home;
        qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/")).toUtf8());
        QCOMPARE(GetSpecialFolderPath(kDataFolderCode), home.path());
        QCOMPARE(GetSpecialFolderPath(26), QString());
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
