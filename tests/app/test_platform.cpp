// The special folder that holds the game's data.

#include "records/DataFolder.h"

#include <QTemporaryDir>
#include <QTest>

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
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
