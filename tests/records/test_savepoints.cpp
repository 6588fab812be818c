#include "records/SavePoints.h"
#include "support/Files.h"
#include "support/FullDisk.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

class TestSavePoints : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    GameState g_;
    SaveLedger ledger_;

    std::optional<test::FullDisk> fullDisk_;

    // The disk is full: every save fails, the files stay whole.
    void BlockWrites(bool blocked)
    {
        if (blocked)
            fullDisk_.emplace();
        else
            fullDisk_.reset();
    }

private slots:
    void init()
    {
        fullDisk_.reset();
        dir_ = std::make_unique<QTemporaryDir>();
        ledger_ = SaveLedger();
        g_ = GameState();
        g_.DataFolder = dir_->path() + QLatin1Char('/');
        g_.PlayersFilePath = dir_->filePath(QStringLiteral("players.dat"));
        QVERIFY(AppendPlayer(g_.PlayersFilePath, QStringLiteral("Ann")));
        QVERIFY(AppendPlayer(g_.PlayersFilePath, QStringLiteral("Bob")));
        QVERIFY(ResetTopTen(g_) && LoadTopTen(g_));
        LoadPlayer(g_, *FindPlayer(g_.PlayersFilePath, QStringLiteral("Ann")));
    }

    void failedSavesAreToldOnceAndRetried()
    {
        BlockWrites(true);
        const QByteArray players = test::ReadBytes(g_.PlayersFilePath);
        g_.Bankroll = 4000;
        QVERIFY(!SavePlayersAtSavePoint(g_, ledger_));
        QVERIFY(!TakeSaveFailureNotice(ledger_).isEmpty());
        QCOMPARE(EnterTopTenAtSavePoint(g_, 5100, ledger_), TopTenEntry::NotSaved);
        QVERIFY(TakeSaveFailureNotice(ledger_).isEmpty()); // told once
        QCOMPARE(test::ReadBytes(g_.PlayersFilePath), players);

        // The player changes; Ann's record and her entry are still owed.
        LoadPlayer(g_, *FindPlayer(g_.PlayersFilePath, QStringLiteral("Bob")));
        g_.Bankroll = 77;
        QVERIFY(!SavePlayersAtSavePoint(g_, ledger_));
        BlockWrites(false);
        QVERIFY(SavePlayersAtSavePoint(g_, ledger_));
        QCOMPARE(FindPlayer(g_.PlayersFilePath, QStringLiteral("Ann"))->Bankroll, 4000);
        QCOMPARE(FindPlayer(g_.PlayersFilePath, QStringLiteral("Bob"))->Bankroll, 77);
        const TopTenTable later = test::TopTenOnDisk(g_.DataFolder);
        QCOMPARE(later[5], (TopTenRow { QStringLiteral("Ann"), 5100 }));
        QCOMPARE(later[6].Score, 5000); // entered once
        QVERIFY(TakeSaveFailureNotice(ledger_).isEmpty());

        // A new failure after a success is told again.
        BlockWrites(true);
        QVERIFY(!SavePlayersAtSavePoint(g_, ledger_));
        QVERIFY(!TakeSaveFailureNotice(ledger_).isEmpty());
    }

    void readOnlyFilesAreToldAtStartOnly()
    {
        NoteFilesReadOnly(ledger_);
        BlockWrites(true);
        QVERIFY(!SavePlayersAtSavePoint(g_, ledger_));
        QVERIFY(TakeSaveFailureNotice(ledger_).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSavePoints)
#include "test_savepoints.moc"
