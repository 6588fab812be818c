#include "records/RecordFiles.h"
#include "support/Files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestRecordFiles : public QObject {
    Q_OBJECT

private slots:
    // Files copied from Windows keep whatever letter case they had there.
    void findsFilesInAnyCase()
    {
        QTemporaryDir tmp;
        const QString dir = tmp.path();
        test::WriteBytes(dir + QStringLiteral("/Clickbg.wav"), "x");
        QVERIFY(FindFileAnyCase(dir, QStringLiteral("CLICKBG.WAV")).endsWith(QStringLiteral("/Clickbg.wav")));
        QVERIFY(FindFileAnyCase(dir, QStringLiteral("Click.wav")).isEmpty());
        QVERIFY(FindFileAnyCase(QString(), QStringLiteral("Clickbg.wav")).isEmpty());
        // When two files differ only by case, the exact name wins.
        test::WriteBytes(dir + QStringLiteral("/ClickBG.wav"), "x");
        QVERIFY(FindFileAnyCase(dir, QStringLiteral("ClickBG.wav")).endsWith(QStringLiteral("/ClickBG.wav")));
        QVERIFY(FindFileAnyCase(dir, QStringLiteral("Clickbg.wav")).endsWith(QStringLiteral("/Clickbg.wav")));
        // A folder of that name is no file.
        QVERIFY(QDir(dir).mkdir(QStringLiteral("Players.dat")));
        QVERIFY(FindFileAnyCase(dir, QStringLiteral("players.dat")).isEmpty());
        QVERIFY(FindFileAnyCase(dir, QStringLiteral("Players.dat")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRecordFiles)
#include "test_recordfiles.moc"
