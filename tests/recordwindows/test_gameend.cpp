// The windows that end a game: the scoring run of a won game's scoreboard,
// its bonuses, credit and top ten entry, and the statistics of a lost or
// paused one; what their buttons do; the top ten window. Which scores enter
// the top ten is left to the top ten's own tests.

#include "game/DealNumber.h"
#include "records/SavePoints.h"
#include "records/TopTen.h"
#include "support/Files.h"
#include "support/FullDisk.h"
#include "support/Inventory.h"
#include "support/WindowTest.h"

#include <QRegularExpression>

namespace {

int32_t FileBankroll()
{
    return FindPlayer(Game().PlayersFilePath, Game().PlayerName).value_or(PlayerRecord {}).Bankroll;
}

// The top ten window as shown: its names, its scores, and its rows in the
// current player's colour.
struct TopTenShown {
    QStringList names, scores;
    QList<int> yellowRows;
};

TopTenShown Read(const frmTopTen* w)
{
    TopTenShown s;
    for (int i = 0; i < frmTopTen::kRows; ++i) {
        s.names.append(w->lblName[i]->text());
        s.scores.append(w->lblScore[i]->text());
        if (w->lblName[i]->palette().color(QPalette::WindowText) == frmTopTen::kCurrentPlayerColor
            && w->lblScore[i]->palette().color(QPalette::WindowText) == frmTopTen::kCurrentPlayerColor)
            s.yellowRows.append(i);
    }
    return s;
}

// Opens the top ten window, optionally acts on it, reads it and closes it with
// Escape, which acts as OK.
TopTenShown ShowTopTen(const std::function<void(frmTopTen*)>& act = {})
{
    TopTenShown shown;
    test::WhenShown<frmTopTen>([&](frmTopTen* w) {
        if (act)
            act(w);
        shown = Read(w);
        QTest::keyClick(w, Qt::Key_Escape);
    });
    ShowTopTenWindow();
    return shown;
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
        return QTest::qWaitFor([&] { return sb->btnSameDeal->isVisible(); }) ? std::move(sb) : nullptr;
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
        g.SoundOn = true; // heard, never waited for
        // No score here enters this table, so the top ten window stays shut.
        for (int i = 0; i < 10; ++i)
            g.TopTen[i] = { QStringLiteral("Bob"), 99999 };
        test::WriteTopTenFile(g.DataFolder, g.TopTen);
        SetUpWonGame();
    }

    void cleanup() { w_.Close(); }

    // The count shows every figure; the win is credited and entered in the
    // top ten on disk before the count starts, so a window or program that
    // ends while it counts loses neither. Coming back to the window neither
    // recounts nor credits again. The count's sounds lead up to the top ten,
    // which opens once the buttons show.
    void scoringRunSavesTheWinThenShowsEveryFigure()
    {
        test::MsgBoxRecorder boxes;
        GameState& g = Game();
        g.TopTen[9].Score = 0;
        test::WriteTopTenFile(g.DataFolder, g.TopTen);
        int32_t fileBankroll = 0;
        TopTenTable fileTable {};
        test::SoundsHeard heard;
        QStringList soundsToTopTen;
        TopTenShown topTenShown;
        QTimer watch;
        auto sb = std::make_unique<frmScoreboard>(w_.get(), w_.get());
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (fileBankroll == 0 && !sb->pnlGameScore->Caption().isEmpty()) {
                fileBankroll = FileBankroll();
                fileTable = test::TopTenOnDisk(g.DataFolder);
            }
            if (auto* topTen = qobject_cast<frmTopTen*>(QApplication::activeModalWidget())) {
                soundsToTopTen = heard.names;
                topTenShown = Read(topTen);
                topTen->btnOK->click();
            }
        });
        watch.start(0);
        sb->show();
        QVERIFY(QTest::qWaitFor([&] { return sb->btnSameDeal->isVisible(); }));
        QVERIFY(fileBankroll == 6150 && fileTable[9] == (TopTenRow { QStringLiteral("Ann"), 4150 }));
        QCOMPARE(topTenShown.yellowRows, QList<int> { 9 }); // the entry just made
        QCOMPARE(test::Runs(soundsToTopTen),
            "ClickBg*2 message2*27 buttup*13 scor1 message2*4 scor1 buttup*12 scor1 "
            "buttup*11 scor1 UpGo4 TWham message2 buttup");
        // Rows of hands made stay lit; amounts are yellow on black.
        const QString lit = " #ffffff/#c0c000", plain = " #e0e0e0/#808080", amount = " #ffff00/#000000";
        const QString ink = " #000060", shadow = " #ffffff";
        const QString handsLine = "» Number of Different Hands (4) x $250 . . . . . . . . . . . . . . . . . . . . . ",
                      cardsLine = "» Cards Removed (36) x $50 . . . . . . . . . . . . . . . . . . . ",
                      timerLine = "» Timer Bonus . . . . . . . . . . . . . . . . . . . . . . . . . . . . .";
        QCOMPARE(test::Shown(sb.get()),
            test::Sorted(QStringList(5, "0" + plain) + QStringList(5, "$0  " + plain)
                + QStringList { " 1 Pair" + lit, "3" + lit, "x $50 =" + lit, "$150  " + lit, " 2 Pairs" + plain,
                    "x $125 =" + plain, " 3 of a Kind" + plain, "x $175 =" + plain, " Straight" + lit, "2" + lit,
                    "x $200 =" + lit, "$400  " + lit, " Flush" + lit, "1" + lit, "x $200 =" + lit, "$200  " + lit,
                    " Full House" + lit, "2" + lit, "x $250 =" + lit, "$500  " + lit, " 4 of a Kind" + plain,
                    "x $500 =" + plain, " Straight Flush" + plain, "x $1,000 =" + plain, " Royal Flush" + plain,
                    "x $2,000 =" + plain, "BONUSES" + ink, "Game Score" + QString(" .").repeated(43) + ink,
                    "$1,250 " + amount, handsLine + ink, handsLine + shadow, "$1,000 " + amount, cardsLine + ink,
                    cardsLine + shadow, "$1,800 " + amount, timerLine + ink, timerLine + shadow, "$100 " + amount,
                    "FINAL SCORE (Game Score + Bonuses) . . . . . . . . . . . . . . . . . . . ." + ink,
                    "$4,150 " + amount, "Solitaire Quibel Scoreboard #ffff00", "Solitaire Quibel Scoreboard #707070",
                    "title: Solitaire Quibel Scoreboard", "[&Close Window]", "[&New Deal]", "[&Same Deal]",
                    "[E&xit Game]" }));
        QCOMPARE(w_->c_PlayerStatus->Caption(),
            QStringLiteral("Player: Ann     Bankroll: $6,150     Average Score: $2,050"));
        QVERIFY(boxes.calls.isEmpty());
        QCOMPARE(sb->focusWidget(), sb->btnNewDeal);

        sb->hide();
        sb->show();
        sb->activateWindow();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(std::tuple(g.Bankroll, FileBankroll()), std::tuple(6150, 6150));
    }

    // The cleared-board notice comes in the middle of the count: no button
    // yet, the credit already made, and the window cannot be closed. A game
    // too slow for a timer bonus shows 0 there. A win the disk cannot take is
    // told once the count is done.
    void clearedBoardBonusFromTenCardsLeft()
    {
        bool heldDuringNotice = false;
        test::MsgBoxRecorder boxes;
        boxes.onCall = [&] {
            auto* shown = test::VisibleWindow<frmScoreboard>();
            if (shown && !shown->btnClose->isVisible() && !shown->btnSameDeal->isVisible()
                && Game().Bankroll == 2000 + 4650) {
                QTest::keyClick(shown, Qt::Key_Escape);
                shown->close();
                heldDuringNotice = shown->isVisible();
            }
        };
        SetUpWonGame(10);
        Game().ElapsedSeconds = 600;
        const test::SoundsHeard heard;
        std::unique_ptr<frmScoreboard> sb;
        {
            const test::FullDisk full;
            sb = RunScoreboard();
        }
        QVERIFY(sb);
        QCOMPARE(test::Boxes(boxes.calls) << boxes.Texts().value(0),
            QStringList({ "Cards Cleared [warning OK]", "Not Saved [warning OK]",
                "Pretty Good!!!  You cleared all but 10 cards!  You have just earned a $100 bonus." }));
        QCOMPARE(test::Runs(heard.names),
            "ClickBg*2 message2*27 buttup*13 scor1 message2*4 scor1 buttup*16 scor1 "
            "Bloop UpGo4 TWham ding message2 buttup");
        QVERIFY(heldDuringNotice);
        QCOMPARE(sb->lblCardsRemovedBonus[1]->text(),
            QChar(0x00BB) + QStringLiteral(" Cards Removed (46) x $50 + $100 . . . . . . . . . . . . . . . . . "));
        QCOMPARE(std::tuple(sb->pnlCardsRemovedBonus->Caption(), sb->pnlTimerBonus->Caption(),
                     sb->pnlFinalScore->Caption(), Game().Bankroll),
            std::tuple(QStringLiteral("$2,400 "), QStringLiteral("0"), QStringLiteral("$4,650 "), 2000 + 4650));
    }

    void leavingFreesTheGameWindowAndKeepsTheCredit_data()
    {
        QTest::addColumn<GameEndChoice>("choice");
        QTest::newRow("title bar") << GameEndChoice::Close;
        QTest::newRow("new deal") << GameEndChoice::NewDeal;
        QTest::newRow("same deal") << GameEndChoice::SameDeal;
    }

    // Same Deal alone deals at once: the same cards, for another fee.
    void leavingFreesTheGameWindowAndKeepsTheCredit()
    {
        QFETCH(GameEndChoice, choice);
        const int32_t fee = choice == GameEndChoice::SameDeal ? 1000 : 0;
        GameState& g = Game();
        w_->NewGame();
        const auto deck = g.Deck;
        const int32_t games = g.GamesPlayed;
        SetUpWonGame();
        w_->EnableGameWindow(false);
        auto sb = RunScoreboard();
        QVERIFY(sb);
        const int32_t credited = g.Bankroll;
        if (choice == GameEndChoice::Close)
            sb->close();
        else
            QTest::mouseClick(choice == GameEndChoice::NewDeal ? sb->btnNewDeal : sb->btnSameDeal, Qt::LeftButton);
        QVERIFY(!sb->isVisible() && w_->centralWidget()->isEnabled());
        QCOMPARE(sb->Choice(), choice);
        // New Deal's game is followed by the game window's own tests.
        if (choice != GameEndChoice::NewDeal)
            w_->CarryOutGameEndChoice(sb->Choice(), true);
        QCOMPARE(std::tuple(g.Bankroll, FileBankroll(), g.GamesPlayed),
            std::tuple(credited - fee, credited - fee, games + (fee ? 1 : 0)));
        if (fee)
            QVERIFY(g.GameInProgress && g.Deck == deck);
    }

    // The top ten window: rows sorted, names dotted to a fixed width, scores
    // as money, a row without a name ending the table on screen. The current
    // player's row with this game's score is yellow once the game is over,
    // never while one runs; of two such rows only the lower one is.
    void topTenShowsTheTableAndThePlayersRow()
    {
        GameState& g = Game();
        QVERIFY(ResetTopTen(g) && LoadTopTen(g));
        g.GameScore = 8000;
        g.TopTen[9] = { QStringLiteral("Ann"), 8000 };
        g.TopTen[4] = { QStringLiteral("Bartholomew Montgomery"), 5600 };
        g.TopTen[8] = {};
        g.TopTen[0] = { QStringLiteral("Bob"), 8000 }; // another player with this game's score, sorted below Ann
        QStringList shown; // all but the rows' names and scores, which start with a blank
        TopTenShown s = ShowTopTen([&](frmTopTen* w) { shown = test::Shown(w).filter(QRegularExpression("^\\S")); });
        QStringList table { "Solitaire Quibel Top Ten Scores #ffff00", "Solitaire Quibel Top Ten Scores #000000",
            "Player                               Score #ffffc0", "[&OK]", "[&Reset Scores]",
            "title: Solitaire Quibel Top Ten Scores" };
        for (int rank = 1; rank <= 10; ++rank)
            table.append(QString::number(rank) + ".  #e0e0e0");
        QCOMPARE(shown, test::Sorted(table));
        // Names dotted to 30 wide; the row without a name ends the table.
        QCOMPARE((QStringList { s.names[0], s.scores[0], s.names[5], s.scores[8], s.names[9] + s.scores[9] }),
            (QStringList {
                " Ann..........................", " $8,000 ", " Bartholomew Montgomery.......", " $4,000 ", "" }));
        QCOMPARE(s.yellowRows, QList<int> { 0 }); // Ann's, not Bob's below it

        g.TopTen[1] = { QStringLiteral("Ann"), 8000 };
        g.GameInProgress = true;
        QVERIFY(ShowTopTen().yellowRows.isEmpty());

        // Reset Scores: No keeps the table; Yes writes the default table and shows it.
        g.GameInProgress = false;
        test::MsgBoxRecorder boxes { vbNo, vbYes };
        TopTenShown afterNo;
        const TopTenShown afterYes = ShowTopTen([&](frmTopTen* w) {
            QTest::mouseClick(w->btnResetScores, Qt::LeftButton);
            afterNo = Read(w);
            QTest::mouseClick(w->btnResetScores, Qt::LeftButton);
        });
        const QString question = "Are you sure you want to reset the list of Top Ten High Scores?";
        QCOMPARE(test::Boxes(boxes.calls) + boxes.Texts(),
            QStringList(2, "Reset High Scores? [question Yes/No]") + QStringList(2, question));
        QCOMPARE(afterNo.yellowRows, QList<int> { 1 });
        QCOMPARE(afterYes.names[0] + afterYes.scores[9], QStringLiteral(" *******...................... $3,000 "));
        QCOMPARE(test::TopTenOnDisk(g.DataFolder), g.TopTen);
    }

    // Last, for the game window closes for good. During a game the
    // statistics have OK alone (Escape and the title bar act as OK), and
    // pausing shows them with Resume. After a lost game they offer the next
    // one; Same Deal from there is free: the lost game's fee paid for these
    // cards. Exit during a game asks once.
    void statisticsDuringAndAfterAGame()
    {
        GameState& g = Game();
        auto stats = ShowStats(true);
        const QString needed = "Score Needed  . . . . . . . . . . . . . . $1,000 #ffffff";
        QStringList figures { needed, "Game Score . . . . . . . . . . . . . . . . $300 #ffffff",
            "Cards Remaining . . . . . . . . . . . . 41 #ffffff", "Total Different Hands . . . . . . . . . 4 #ffffff" };
        QCOMPARE(test::Shown(stats.get()), test::Sorted(figures + QStringList { "[&Ok]", "title: Game Statistics" }));
        QTest::keyClick(stats.get(), Qt::Key_Escape);
        QVERIFY(!stats->isVisible());
        QCOMPARE(
            std::tuple(stats->result(), stats->Choice()), std::tuple(int(QDialog::Accepted), GameEndChoice::Close));

        w_->NewGame();
        QStringList pausedShown, resumeSounds;
        test::WhenShown<frmGameStats>([&](frmGameStats* s) {
            pausedShown = test::Shown(s);
            const test::SoundsHeard heard;
            QTest::mouseClick(s->btnOK, Qt::LeftButton);
            resumeSounds = heard.names;
        });
        w_->MenuFilePauseGame->trigger();
        const QString deal = "  -  " + DealCaption(g.DealNumber);
        QCOMPARE(pausedShown,
            test::Sorted({ " - Game Paused -  #800000", needed, "Game Score . . . . . . . . . . . . . . . . $0 #ffffff",
                "Cards Remaining . . . . . . . . . . . . 56 #ffffff",
                "Total Different Hands . . . . . . . . . 0 #ffffff", "[Resume]", "title: Game Paused" + deal }));
        QVERIFY(resumeSounds == QStringList(2, "message2.wav") && g.GameInProgress);

        const auto deck = g.Deck;
        const int32_t bankroll = g.Bankroll;
        stats = ShowStats(false);
        figures.last() = "Total Different Hands . . . . . . . . . 0 #ffffff";
        QCOMPARE(test::Shown(stats.get()),
            test::Sorted(figures
                + QStringList { "Sorry, no more plays.  Entry fee lost: $1,000 #ffff00", "[&New Deal]", "[&Same Deal]",
                    "[&Close Window]", "[E&xit Game]", "title: Game Stats" + deal }));
        QCOMPARE(stats->focusWidget(), stats->btnNewDeal);
        QTest::mouseClick(stats->btnNewDeal, Qt::LeftButton);
        QVERIFY(!stats->isVisible() && stats->Choice() == GameEndChoice::NewDeal);
        stats = ShowStats(false);
        QTest::mouseClick(stats->btnSameDeal, Qt::LeftButton);
        QVERIFY(!stats->isVisible());
        w_->CarryOutGameEndChoice(stats->Choice(), false);
        QVERIFY(g.Bankroll == bankroll && g.GameInProgress && g.Deck == deck);

        test::MsgBoxRecorder boxes { vbNo, vbYes };
        stats = ShowStats(true);
        stats->Buttons->Choose(GameEndChoice::Exit);
        QVERIFY(stats->isVisible() && Game().GameInProgress);
        stats->Buttons->Choose(GameEndChoice::Exit);
        QVERIFY(!stats->isVisible() && !Game().GameInProgress);
        w_->CarryOutGameEndChoice(stats->Choice(), false);
        QVERIFY(!w_->isVisible());
        QCOMPARE(test::Boxes(boxes.calls), QStringList(2, "Exit Game? [question Yes/No]"));
        QCOMPARE(boxes.calls[1].text,
            "There are more plays left (the game will automatically notify you if there are not any more plays left).  "
            "Are you sure you want to exit the game and forfeit the $1,000 entry fee?");
    }
};

QTEST_MAIN(TestGameEnd)
#include "test_gameend.moc"
