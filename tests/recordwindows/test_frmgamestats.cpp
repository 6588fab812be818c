// The statistics window in its three forms (in a game, after a lost game,
// paused) and what its buttons do.

#include "app/frmMain.h"
#include "cardlib/CardDeck.h"
#include "game/GameState.h"
#include "recordwindows/frmGameStats.h"
#include "support/WindowTest.h"
#include "ui/Panel3D.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

class TestFrmGameStats : public QObject {
    Q_OBJECT

    test::GameWindow w_;

    std::unique_ptr<frmGameStats> ShowStats(bool inProgress)
    {
        GameState& g = Game();
        g.GameInProgress = inProgress;
        g.CardsOnBoard = 41;
        g.GameScore = 300;
        auto stats = std::make_unique<frmGameStats>(w_.get(), w_.get());
        stats->show();
        QCoreApplication::processEvents();
        return stats;
    }

private slots:
    void init() { w_.Open(QStringLiteral("Ann")); }
    void cleanup() { w_.Close(); }

    // Escape and the title bar act as the OK button.
    void inGameFormHasOkAlone()
    {
        auto stats = ShowStats(true);
        QVERIFY(stats->btnOK->isVisible());
        for (const QWidget* hidden : std::initializer_list<const QWidget*> {
                 stats->btnNewDeal, stats->btnSameDeal, stats->btnExit, stats->lblSorry, stats->lblGamePaused })
            QVERIFY(!hidden->isVisible());
        QTest::keyClick(stats.get(), Qt::Key_Escape);
        QVERIFY(!stats->isVisible());
        QCOMPARE(stats->result(), int(QDialog::Accepted));
        QCOMPARE(stats->Choice(), GameEndChoice::Close);
    }

    // Same Deal from here is free: the lost game's fee paid for these cards.
    void endOfGameFormOffersTheNextGame()
    {
        GameState& g = Game();
        w_->NewGame();
        const auto deck = g.Deck;
        const int32_t bankroll = g.Bankroll;
        auto stats = ShowStats(false);
        QCOMPARE(stats->lblSorry->text(), QStringLiteral("Sorry, no more plays.  Entry fee lost: $1,000"));
        for (const QWidget* shown : { stats->btnOK, stats->btnSameDeal, stats->btnExit })
            QVERIFY(shown->isVisible());
        QCOMPARE(stats->focusWidget(), stats->btnNewDeal);
        QTest::mouseClick(stats->btnNewDeal, Qt::LeftButton);
        QVERIFY(!stats->isVisible());
        QCOMPARE(stats->Choice(), GameEndChoice::NewDeal);

        stats = ShowStats(false);
        QTest::mouseClick(stats->btnSameDeal, Qt::LeftButton);
        QVERIFY(!stats->isVisible());
        w_->CarryOutGameEndChoice(stats->Choice(), false);
        QCOMPARE(g.Bankroll, bankroll);
        QVERIFY(g.GameInProgress && g.Deck == deck);
    }

    void pauseShowsThePausedForm()
    {
        w_->NewGame();
        bool checked = false;
        test::WhenShown<frmGameStats>([&](frmGameStats* stats) {
            checked = stats->btnOK->text() == QLatin1String("Resume") && stats->lblGamePaused->isVisible()
                && stats->ShapeGamePaused[0]->isVisible() && !stats->btnNewDeal->isVisible();
            QTest::mouseClick(stats->btnOK, Qt::LeftButton);
        });
        w_->MenuFilePauseGame->trigger();
        QVERIFY(checked);
        QVERIFY(Game().GameInProgress);
    }

    // Last: the game window closes for good.
    void exitDuringAGameAsksOnce()
    {
        test::MsgBoxRecorder boxes;
        auto stats = ShowStats(true);
        boxes.answers = { vbNo, vbYes };
        stats->Buttons->Choose(GameEndChoice::Exit);
        QVERIFY(stats->isVisible() && Game().GameInProgress);
        stats->Buttons->Choose(GameEndChoice::Exit);
        QVERIFY(!stats->isVisible() && !Game().GameInProgress);
        w_->CarryOutGameEndChoice(stats->Choice(), false);
        QVERIFY(!w_->isVisible());
        QCOMPARE(boxes.calls.size(), 2);
        QVERIFY(boxes.calls[1].text.endsWith(QStringLiteral("exit the game and forfeit the $1,000 entry fee?")));
    }
};

QTEST_MAIN(TestFrmGameStats)
#include "test_frmgamestats.moc"
