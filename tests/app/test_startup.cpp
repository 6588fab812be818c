#include "app/frmMain.h"
#include "game/GameState.h"
#include "records/SavePoints.h"
#include "records/TopTen.h"
#include "support/Files.h"
#include "support/WindowTest.h"

#include <QFile>

namespace {

const TopTenRow kOwnRow { QStringLiteral("Player"), 9000 };

void WriteOwnTable(const QDateTime& modified)
{
    GameState g;
    g.DataFolder = Game().DataFolder;
    g.TopTen[0] = kOwnRow;
    test::WriteTopTenFile(g.DataFolder, g.TopTen);
    QFile file(TopTenFilePath(g.DataFolder));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> data_;

private slots:
    void init() { data_ = test::FreshGame(); }

    void noTopTenFileGivesTheDefaultTable()
    {
        test::MsgBoxRecorder boxes;
        frmMain main;
        QVERIFY(main.PrepareWindow());
        QVERIFY(boxes.calls.isEmpty());
        QVERIFY(QFile::exists(TopTenFilePath(Game().DataFolder)));
        QCOMPARE(Game().TopTen[9], (TopTenRow { QStringLiteral("*******"), 3000 }));
    }

    void oldTableIsOfferedForClearing_data()
    {
        QTest::addColumn<QTime>("changedAt");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("16 days, Yes") << QTime(0, 0) << int(vbYes) << true << true;
        QTest::newRow("16 days, No") << QTime(0, 0) << int(vbNo) << true << false;
        QTest::newRow("15.25 days") << QTime(18, 0) << int(vbYes) << false << false;
    }

    void oldTableIsOfferedForClearing()
    {
        QFETCH(QTime, changedAt);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, cleared);
        WriteOwnTable(QDateTime(QDate::currentDate().addDays(-16), changedAt));
        test::MsgBoxRecorder boxes;
        boxes.answers = { answer };
        frmMain main;
        QVERIFY(main.PrepareWindow());

        QCOMPARE(boxes.calls.size(), asked ? 1 : 0);
        if (asked)
            QCOMPARE(boxes.calls[0].text,
                QStringLiteral("The Top Ten High Scores have not been added to in over 15 days.  Would you like "
                               "to clear them now?"));
        QCOMPARE(Game().TopTen[0], (cleared ? TopTenRow { QStringLiteral("*******"), 7500 } : kOwnRow));
    }

    // Clearing a table that cannot be written keeps it, and the player is told.
    void oldTableThatCannotBeCleared()
    {
        Saves() = {};
        WriteOwnTable(QDateTime(QDate::currentDate().addDays(-16), QTime(0, 0)));
        const QString path = TopTenFilePath(Game().DataFolder);
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        test::MsgBoxRecorder boxes;
        boxes.answers = { vbYes };
        frmMain main;
        QVERIFY(main.PrepareWindow());
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

        QCOMPARE(boxes.calls.size(), 2);
        QCOMPARE(boxes.calls[1].title, QStringLiteral("Not Saved"));
        QCOMPARE(Game().TopTen[0], kOwnRow);
        Saves() = {};
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
