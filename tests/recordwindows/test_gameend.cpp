// The windows that end a game: the scoring run of a won game's scoreboard,
// its bonuses, credit and top ten entry, and the statistics of a lost or
// paused one; what their buttons do. Which scores enter the top ten is left
// to the top ten's own tests.

#include "app/frmMain.h"
#include "cardlib/CardDeck.h"
#include "game/GameState.h"
#include "records/PlayersFile.h"
#include "records/TopTen.h"
#include "recordwindows/frmGameStats.h"
#include "recordwindows/frmScoreboard.h"
#include "recordwindows/frmTopTen.h"
#include "support/Files.h"
#include "support/WindowTest.h"
#include "ui/Panel3D.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kMark = QString(QChar(0x00BB));

int32_t FileBankroll()
{
    return FindPlayer(Game().PlayersFilePath, Game().PlayerName).value_or(PlayerRecord {}).Bankroll;
}

} // namespace

class TestGameEnd : public QObject {
    Q_OBJECT

    test::GameWindow w_;

    // 3 pairs, 2 straights, 1 flush, 2 full houses: $1,250 in hands, 4 different.
    static void SetUpWonGame(int cardsOnBoard = 20)
    {
        GameState& g = Game();
        g.GameInProgress = false;
        g.HandCounts = { 0, 3, 0, 0, 2, 1, 2 };
        g.GameScore = 1250;
        g.CardsOnBoard = static_cast<int16_t>(cardsOnBoard);
        g.ElapsedSeconds = 380; // a timer bonus of $100
    }

    // Runs the scoreboard to the end of its count and returns it still open.
    std::unique_ptr<frmScoreboard> RunScoreboard()
    {
        auto sb = std::make_unique<frmScoreboard>(w_.get(), w_.get());
        sb->show();
        if (!QTest::qWaitFor([&] { return sb->btnSameDeal->isVisible(); }))
            return nullptr;
        return sb;
    }

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
    void init()
    {
        w_.Open(QStringLiteral("Ann"));
        GameState& g = Game();
        g.Bankroll = 2000;
        g.GamesPlayed = 3;
        // No score here enters this table, so the top ten window stays shut.
        for (int i = 0; i < 10; ++i)
            g.TopTen[i] = { QStringLiteral("Bob"), 99999 };
        test::WriteTopTenFile(g.DataFolder, g.TopTen);
        SetUpWonGame();
    }

    void cleanup() { w_.Close(); }

    void scoringRunShowsEveryFigureAndCreditsTheBankroll()
    {
        test::MsgBoxRecorder boxes;
        Game().TopTen[9].Score = 0;
        test::WriteTopTenFile(Game().DataFolder, Game().TopTen);
        test::WhenShown<frmTopTen>([](frmTopTen* w) { QTest::mouseClick(w->btnOK, Qt::LeftButton); });
        auto sb = RunScoreboard();
        QVERIFY(sb);
        QCOMPARE(sb->totalCells[0]->Caption(), QStringLiteral("$150  "));
        // The rows of the hands made stay lit.
        QCOMPARE(sb->totalCells[5]->BackColor(), QColor(192, 192, 0));
        QCOMPARE(sb->totalCells[2]->BackColor(), QColor(128, 128, 128));

        QCOMPARE(sb->pnlDifferentHandsBonus->Caption(), QStringLiteral("$1,000 "));
        QCOMPARE(sb->pnlCardsRemovedBonus->Caption(), QStringLiteral("$1,800 "));
        QCOMPARE(sb->pnlTimerBonus->Caption(), QStringLiteral("$100 "));
        QCOMPARE(sb->pnlFinalScore->Caption(), QStringLiteral("$4,150 "));

        QCOMPARE(FileBankroll(), 6150);
        QVERIFY(LoadTopTen(Game()));
        QCOMPARE(Game().TopTen[9], (TopTenRow { QStringLiteral("Ann"), 4150 }));
        QCOMPARE(w_->c_PlayerStatus->Caption(),
            QStringLiteral("Player: Ann     Bankroll: $6,150     Average Score: $2,050"));
        QVERIFY(boxes.calls.isEmpty());
        QCOMPARE(sb->focusWidget(), sb->btnNewDeal);

        // Coming back to the window neither recounts nor credits again.
        sb->hide();
        sb->show();
        sb->activateWindow();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(Game().Bankroll, 6150);
        QCOMPARE(FileBankroll(), 6150);
    }

    void clearedBoardBonusFromTenCardsLeft()
    {
        // The notice comes in the middle of the count: no button yet, the credit
        // already made, and the window cannot be closed.
        QList<MsgBoxCall> calls;
        bool heldDuringNotice = false;
        SetMsgBoxResponder([&](const MsgBoxCall& call) {
            calls.append(call);
            auto* shown = test::VisibleWindow<frmScoreboard>();
            if (shown && !shown->btnClose->isVisible() && !shown->btnSameDeal->isVisible()
                && Game().Bankroll == 2000 + 4750) {
                QTest::keyClick(shown, Qt::Key_Escape);
                shown->close();
                heldDuringNotice = shown->isVisible();
            }
            return int(vbOK);
        });
        SetUpWonGame(10);
        auto sb = RunScoreboard();
        SetMsgBoxResponder({});
        QVERIFY(sb);
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls[0].text,
            QStringLiteral("Pretty Good!!!  You cleared all but 10 cards!  You have just earned a $100 bonus."));
        QVERIFY(heldDuringNotice);
        QCOMPARE(sb->lblCardsRemovedBonus[1]->text(),
            kMark + " Cards Removed (46) x $50 + $100 . . . . . . . . . . . . . . . . . ");
        QCOMPARE(sb->pnlCardsRemovedBonus->Caption(), QStringLiteral("$2,400 "));
        QCOMPARE(sb->pnlFinalScore->Caption(), QStringLiteral("$4,750 "));
        QCOMPARE(Game().Bankroll, 2000 + 4750);
    }

    // The win is on disk before the count starts: a window or program that
    // ends while it counts loses neither the credit nor the top ten entry.
    void winIsSavedBeforeTheCount()
    {
        GameState& g = Game();
        QVERIFY(ResetTopTen(g) && LoadTopTen(g));
        const int32_t before = g.Bankroll;
        int32_t fileBankroll = 0;
        TopTenTable fileTable {};
        auto sb = std::make_unique<frmScoreboard>(w_.get(), w_.get());
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (fileBankroll == 0 && !sb->pnlGameScore->Caption().isEmpty()) {
                fileBankroll = FileBankroll();
                fileTable = test::TopTenOnDisk(g.DataFolder);
            }
            if (auto* topTen = qobject_cast<frmTopTen*>(QApplication::activeModalWidget()))
                topTen->btnOK->click();
        });
        watch.start(0);
        sb->show();
        QVERIFY(QTest::qWaitFor([&] { return sb->btnSameDeal->isVisible(); }));
        QVERIFY(fileBankroll > before);
        QCOMPARE(fileBankroll, g.Bankroll);
        QVERIFY(std::count(fileTable.begin(), fileTable.end(), TopTenRow { QStringLiteral("Ann"), g.GameScore }) == 1);
        sb->close();
    }

    void leavingFreesTheGameWindowAndKeepsTheCredit_data()
    {
        QTest::addColumn<int32_t>("fee");
        QTest::newRow("title bar") << 0;
        QTest::newRow("new deal") << 0;
        QTest::newRow("same deal") << 1000;
    }

    // Same Deal alone deals at once: the same cards, for another fee.
    void leavingFreesTheGameWindowAndKeepsTheCredit()
    {
        QFETCH(int32_t, fee);
        const QByteArray leaveBy = QTest::currentDataTag();
        GameState& g = Game();
        w_->NewGame();
        const auto deck = g.Deck;
        const int32_t games = g.GamesPlayed;
        SetUpWonGame();
        w_->EnableGameWindow(false);
        auto sb = RunScoreboard();
        QVERIFY(sb);
        const int32_t credited = g.Bankroll;
        const QHash<QByteArray, QPushButton*> buttons { { "new deal", sb->btnNewDeal },
            { "same deal", sb->btnSameDeal } };
        const QHash<QByteArray, GameEndChoice> choices { { "title bar", GameEndChoice::Close },
            { "new deal", GameEndChoice::NewDeal }, { "same deal", GameEndChoice::SameDeal } };
        if (QPushButton* button = buttons.value(leaveBy))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            sb->close(); // the title bar
        QVERIFY(!sb->isVisible());
        QVERIFY(w_->centralWidget()->isEnabled());
        QCOMPARE(sb->Choice(), choices.value(leaveBy));
        // New Deal's game is followed by the whole-game test above.
        if (leaveBy != "new deal")
            w_->CarryOutGameEndChoice(sb->Choice(), true);
        QVERIFY(w_->isVisible());
        QCOMPARE(g.Bankroll, credited - fee);
        QCOMPARE(FileBankroll(), g.Bankroll);
        QCOMPARE(g.GamesPlayed, games + (fee ? 1 : 0));
        if (fee)
            QVERIFY(g.GameInProgress && g.Deck == deck);
    }

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

QTEST_MAIN(TestGameEnd)
#include "test_gameend.moc"
