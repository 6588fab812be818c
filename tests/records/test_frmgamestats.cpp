// The statistics window in its three forms (in a game, after a lost game,
// paused) and what its buttons do.

#include "app/frmMain.h"
#include "cardlib/CardDeck.h"
#include "game/GameState.h"
#include "records/PlayersFile.h"
#include "records/frmGameStats.h"
#include "support/WindowTest.h"
#include "ui/Panel3D.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

class TestFrmGameStats : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> data_;
    std::unique_ptr<frmMain> w_;

    static void SetUpFigures(bool inProgress)
    {
        GameState& g = Game();
        g.GameInProgress = inProgress;
        g.CardsOnBoard = 41;
        g.GameScore = 300;
        g.HandCounts = { 0, 3, 0, 0, 0, 1 }; // three pairs and a flush
    }

    static std::unique_ptr<frmGameStats> ShowStats()
    {
        auto stats = std::make_unique<frmGameStats>(MainForm());
        stats->show();
        QCoreApplication::processEvents();
        return stats;
    }

private slots:
    void init()
    {
        data_ = test::IsolateData();
        Game() = GameState {};
        GameState& g = Game();
        g.ProgramName = QStringLiteral("Solitaire Quibel");
        w_ = std::make_unique<frmMain>();
        w_->PrepareWindow();
        QVERIFY(AppendPlayer(g.PlayersFilePath, QStringLiteral("Ann")));
        LoadPlayer(g, *FindPlayer(g.PlayersFilePath, QStringLiteral("Ann")));
        g.SoundOn = false;
    }

    void cleanup()
    {
        w_.reset();
        data_.reset();
    }

    void inGameFormShowsTheFiguresAndOkAlone()
    {
        SetUpFigures(true);
        auto stats = ShowStats();
        QCOMPARE(stats->lblGameScore->text(), QStringLiteral("Game Score . . . . . . . . . . . . . . . . $300"));
        QCOMPARE(stats->lblCardsRemaining->text(), QStringLiteral("Cards Remaining . . . . . . . . . . . . 41"));
        QCOMPARE(stats->lblDifferentHands->text(), QStringLiteral("Total Different Hands . . . . . . . . . 2"));
        QVERIFY(stats->btnOK->isVisible());
        for (const QWidget* hidden : std::initializer_list<const QWidget*> {
                 stats->btnNewDeal, stats->btnSameDeal, stats->btnExit, stats->lblSorry, stats->lblGamePaused })
            QVERIFY(!hidden->isVisible());
        // Escape and the title bar act as the OK button.
        QTest::keyClick(stats.get(), Qt::Key_Escape);
        QVERIFY(!stats->isVisible());
        QCOMPARE(stats->result(), int(QDialog::Accepted));
        QVERIFY(!Game().NewGameRequested);
    }

    // Same Deal from here is free: the lost game's fee paid for these cards.
    void endOfGameFormOffersTheNextGame()
    {
        GameState& g = Game();
        w_->NewGame();
        const auto deck = g.Deck;
        const int32_t bankroll = g.Bankroll;
        SetUpFigures(false);
        auto stats = ShowStats();
        QCOMPARE(stats->lblSorry->text(), QStringLiteral("Sorry, no more plays.  Entry fee lost: $1,000"));
        for (const QWidget* shown : std::initializer_list<const QWidget*> {
                 stats->lblSorry, stats->btnOK, stats->btnNewDeal, stats->btnSameDeal, stats->btnExit })
            QVERIFY(shown->isVisible());
        QCOMPARE(stats->focusWidget(), stats->btnNewDeal);
        QTest::mouseClick(stats->btnNewDeal, Qt::LeftButton);
        QVERIFY(!stats->isVisible());
        QVERIFY(g.NewGameRequested);

        g.NewGameRequested = false;
        stats = ShowStats();
        QTest::mouseClick(stats->btnSameDeal, Qt::LeftButton);
        QVERIFY(!stats->isVisible());
        QCOMPARE(g.Bankroll, bankroll);
        QVERIFY(g.GameInProgress && g.Deck == deck);
    }

    void pauseShowsThePausedForm()
    {
        w_->NewGame();
        bool checked = false;
        test::WhenShown<frmGameStats>([&](frmGameStats* stats) {
            checked = stats->btnOK->text() == QLatin1String("Resume") && stats->lblGamePaused->isVisible()
                && stats->ShapeGamePaused[0]->isVisible() && stats->ShapeGamePaused[1]->isVisible()
                && !stats->btnNewDeal->isVisible();
            QTest::mouseClick(stats->btnOK, Qt::LeftButton);
        });
        w_->MenuFilePauseGame->trigger();
        QVERIFY(checked);
        QVERIFY(Game().GameInProgress);
    }

    void lostGameEndsOnTheStatistics()
    {
        GameState& g = Game();
        w_->NewGame();
        for (int card = 1; card <= 52; ++card)
            Cards().SetCardX(card, 0);
        for (int card : { 110, 111, 112, 113 })
            Cards().SetCardX(card, 0);
        g.GameScore = 300;
        bool endForm = false;
        test::WhenShown<frmGameStats>([&](frmGameStats* stats) {
            endForm = stats->lblSorry->isVisible();
            QTest::mouseClick(stats->btnOK, Qt::LeftButton);
        });
        w_->CheckForPlays();
        QVERIFY(endForm);
        QVERIFY(!g.GameInProgress);
        QCOMPARE(w_->c_score->Caption(), QStringLiteral("Game:  $300"));
    }

    // Last: the game window closes for good.
    void exitDuringAGameAsksOnce()
    {
        test::MsgBoxRecorder boxes;
        SetUpFigures(true);
        auto stats = ShowStats();
        boxes.answers = { vbNo };
        stats->btnExit_Click();
        QVERIFY(stats->isVisible());
        QVERIFY(w_->isVisible());
        boxes.answers = { vbYes };
        stats->btnExit_Click();
        QVERIFY(!w_->isVisible());
        QCOMPARE(boxes.calls.size(), 2);
        QVERIFY(boxes.calls[1].text.endsWith(QStringLiteral("exit the game and forfeit the $1,000 entry fee?")));
    }
};

QTEST_MAIN(TestFrmGameStats)
#include "test_frmgamestats.moc"
