// The Windows version names by platform, major and minor version, and the
// special folder that holds the game's data.

#include "app/Platform.h"
#include "records/DataFolder.h"

#include <QTemporaryDir>
#include <QTest>

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void versionNames_data()
    {
        QTest::addColumn<int>("platform");
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<QString>("name");
        QTest::newRow("98") << 1 << 4 << 10 << "Windows 98";
        QTest::newRow("Me") << 1 << 4 << 90 << "Windows Millennium";
        QTest::newRow("9x other") << 1 << 4 << 3 << "";
        QTest::newRow("NT 3") << 2 << 3 << 51 << "Windows NT 3.51";
        QTest::newRow("XP") << 2 << 5 << 1 << "Windows XP";
        QTest::newRow("6 and up") << 2 << 10 << 0 << "Windows Vista or Greater";
        QTest::newRow("0 to 2") << 2 << 2 << 0 << "Windows Vista or Greater";
        QTest::newRow("other platform") << 3 << 5 << 0 << "Failed";
    }

    void versionNames()
    {
        QFETCH(int, platform);
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(QString, name);
        QCOMPARE(WindowsVersionName(platform, major, minor), name);
    }

    void thisSystemIsNoWindows() { QCOMPARE(WindowsVersionName(), QStringLiteral("Failed")); }

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
