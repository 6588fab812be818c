// The end of a won game: the victory sequence, the scoring run of the
// scoreboard, its bonuses and credit, the top ten entry and its four buttons.

#include "app/frmMain.h"
#include "cardlib/CardDeck.h"
#include "game/GameState.h"
#include "records/PlayersFile.h"
#include "records/Settlement.h"
#include "records/TopTen.h"
#include "records/frmScoreboard.h"
#include "support/WindowTest.h"
#include "ui/Panel3D.h"
#include "ui/frmMsg.h"

#include <QPushButton>

namespace {
const QString kMark = QString(QChar(0x00BB));

// Closes whatever other dialog the scoreboard opens (the top ten table).
struct OtherDialogCloser {
    QTimer timer;
    OtherDialogCloser()
    {
        QObject::connect(&timer, &QTimer::timeout, [] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->isVisible() && qobject_cast<QDialog*>(w) && !qobject_cast<frmScoreboard*>(w)
                    && !qobject_cast<frmMsg*>(w))
                    w->close();
            }
        });
        timer.start(10);
    }
};

int32_t FileBankroll()
{
    return FindPlayer(Game().PlayersFilePath, Game().PlayerName).value_or(PlayerRecord {}).Bankroll;
}

// Clicks `button` once the scoring run has let it act: clicks during the run
// are refused, so it tries again until the window has gone.
void ClickWhenDone(QPushButton* frmScoreboard::*button)
{
    auto* timer = new QTimer;
    auto seen = std::make_shared<bool>(false);
    QObject::connect(timer, &QTimer::timeout, [timer, button, seen] {
        if (auto* sb = test::VisibleWindow<frmScoreboard>()) {
            *seen = true;
            if ((sb->*button)->isVisible())
                QTest::mouseClick(sb->*button, Qt::LeftButton);
        } else if (*seen) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}
} // namespace

class TestFrmScoreboard : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> data_;
    std::unique_ptr<frmMain> w_;
    std::unique_ptr<OtherDialogCloser> closer_;

    // 3 pairs, 2 straights, 1 flush, 2 full houses: $1,250 in hands, 4 different.
    static void SetUpWonGame(int cardsOnBoard)
    {
        GameState& g = Game();
        g.GameInProgress = false;
        g.HandCounts = {};
        g.HandCounts[1] = 3;
        g.HandCounts[4] = 2;
        g.HandCounts[5] = 1;
        g.HandCounts[6] = 2;
        g.GameScore = 1250;
        g.CardsOnBoard = static_cast<int16_t>(cardsOnBoard);
        g.ElapsedSeconds = 380; // a timer bonus of $100
    }

    // Runs the scoreboard to the end of its count and returns it still open.
    static std::unique_ptr<frmScoreboard> RunScoreboard()
    {
        auto sb = std::make_unique<frmScoreboard>(MainForm());
        sb->show();
        if (!test::WaitUntil([&] { return sb->btnSameDeal->isVisible(); }))
            return nullptr;
        return sb;
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
        g.Bankroll = 2000;
        g.GamesPlayed = 3;
        QVERIFY(ResetTopTen(g) && LoadTopTen(g));
        closer_ = std::make_unique<OtherDialogCloser>();
    }

    void cleanup()
    {
        closer_.reset();
        w_.reset();
        data_.reset();
    }

    void scoringRunShowsEveryFigureAndCreditsTheBankroll()
    {
        test::MsgBoxRecorder boxes;
        SetUpWonGame(20);
        auto sb = RunScoreboard();
        QVERIFY(sb);
        QCOMPARE(sb->lblProgramTitleTop->text(), QStringLiteral("Solitaire Quibel Scoreboard"));
        QCOMPARE(sb->Panel3D1[0]->Caption(), QStringLiteral(" 1 Pair"));
        QCOMPARE(sb->Panel3D3[0]->Caption(), QStringLiteral("3"));
        QCOMPARE(sb->Panel3D3[9]->Caption(), QStringLiteral("x $50 ="));
        QCOMPARE(sb->Panel3D3[18]->Caption(), QStringLiteral("$150  "));
        QCOMPARE(sb->Panel3D3[2]->Caption(), QStringLiteral("0"));
        QCOMPARE(sb->Panel3D3[20]->Caption(), QStringLiteral("$0  "));
        // The rows of the hands made stay lit.
        QCOMPARE(sb->Panel3D3[18 + 5]->BackColor(), QColor(192, 192, 0));
        QCOMPARE(sb->Panel3D3[18 + 2]->BackColor(), QColor(128, 128, 128));

        QCOMPARE(sb->pnlGameScore->Caption(), QStringLiteral("$1,250 "));
        for (int copy : { 0, 1 }) {
            QCOMPARE(sb->lblDifferentHandsBonus[copy]->text(),
                kMark + " Number of Different Hands (4) x $250 . . . . . . . . . . . . . . . . . . . . . ");
            QCOMPARE(sb->lblCardsRemovedBonus[copy]->text(),
                kMark + " Cards Removed (36) x $50 . . . . . . . . . . . . . . . . . . . ");
        }
        QCOMPARE(sb->pnlDifferentHandsBonus->Caption(), QStringLiteral("$1,000 "));
        QCOMPARE(sb->pnlCardsRemovedBonus->Caption(), QStringLiteral("$1,800 "));
        QCOMPARE(sb->pnlTimerBonus->Caption(), QStringLiteral("$100 "));
        QCOMPARE(sb->pnlFinalScore->Caption(), QStringLiteral("$4,150 "));

        const GameState& g = Game();
        QCOMPARE(g.GameScore, 4150);
        QCOMPARE(g.Bankroll, 6150);
        QCOMPARE(FileBankroll(), 6150);
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
        QCOMPARE(sb->pnlFinalScore->Caption(), QStringLiteral("$4,150 "));
    }

    void clearedBoardBonusFromTenCardsLeft()
    {
        // The notice comes in the middle of the count: no button yet, no credit,
        // and the window cannot be closed.
        QList<MsgBoxCall> calls;
        bool buttonsHidden = false;
        bool stayedOpen = false;
        int32_t bankrollAtNotice = 0;
        frmScoreboard* shown = nullptr;
        SetMsgBoxResponder([&](const MsgBoxCall& call) {
            calls.append(call);
            shown = test::VisibleWindow<frmScoreboard>();
            buttonsHidden = shown && !shown->btnClose->isVisible() && !shown->btnSameDeal->isVisible();
            bankrollAtNotice = Game().Bankroll;
            if (shown) {
                QTest::keyClick(shown, Qt::Key_Escape);
                shown->close();
                stayedOpen = shown->isVisible();
            }
            return int(vbOK);
        });
        SetUpWonGame(10);
        auto sb = RunScoreboard();
        SetMsgBoxResponder({});
        QVERIFY(sb);
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls[0].title, QStringLiteral("Cards Cleared"));
        QCOMPARE(calls[0].style, int(vbOKOnly | vbExclamation));
        QCOMPARE(calls[0].text,
            QStringLiteral("Pretty Good!!!  You cleared all but 10 cards!  You have just earned a $100 bonus."));
        QVERIFY(buttonsHidden);
        QVERIFY(stayedOpen);
        QCOMPARE(bankrollAtNotice, 2000);
        QCOMPARE(sb->lblCardsRemovedBonus[1]->text(),
            kMark + " Cards Removed (46) x $50 + $100 . . . . . . . . . . . . . . . . . ");
        QCOMPARE(sb->pnlCardsRemovedBonus->Caption(), QStringLiteral("$2,400 "));
        QCOMPARE(sb->pnlFinalScore->Caption(), QStringLiteral("$4,750 "));
        QCOMPARE(Game().Bankroll, 2000 + 4750);
    }

    void noClearedBonusFromElevenCardsLeft()
    {
        test::MsgBoxRecorder boxes;
        SetUpWonGame(11);
        auto sb = RunScoreboard();
        QVERIFY(sb);
        QVERIFY(boxes.calls.isEmpty());
        QCOMPARE(sb->pnlCardsRemovedBonus->Caption(), QStringLiteral("$2,250 "));
        QCOMPARE(Game().GameScore, 1250 + 1000 + 2250 + 100);
    }

    void topTenTakesOnlyAHigherScore_data()
    {
        QTest::addColumn<int>("belowFinal");
        QTest::addColumn<bool>("enters");
        QTest::newRow("one point more") << 1 << true;
        QTest::newRow("equal") << 0 << false;
    }

    void topTenTakesOnlyAHigherScore()
    {
        QFETCH(int, belowFinal);
        QFETCH(bool, enters);
        GameState& g = Game();
        SetUpWonGame(20);
        const int32_t finalScore = ComputeSettlement(g).FinalScore;
        for (int r = 0; r < 10; ++r)
            g.TopTen[r] = { QStringLiteral("Bob"), finalScore + 1000 - 100 * r };
        g.TopTen[9].Score = finalScore - belowFinal;
        QVERIFY(SaveTopTen(g));
        auto sb = RunScoreboard();
        QVERIFY(sb);
        QVERIFY(LoadTopTen(g));
        const bool found = std::any_of(g.TopTen.begin(), g.TopTen.begin() + 10,
            [&](const TopTenRow& row) { return row.Name == QLatin1String("Ann") && row.Score == finalScore; });
        QCOMPARE(found, enters);
        QCOMPARE(g.TopTen[9].Score, enters ? finalScore : finalScore - belowFinal);
    }

    void leavingFreesTheGameWindowAndKeepsTheCredit_data()
    {
        QTest::addColumn<bool>("newDeal");
        QTest::newRow("title bar") << false;
        QTest::newRow("new deal") << true;
    }

    void leavingFreesTheGameWindowAndKeepsTheCredit()
    {
        QFETCH(bool, newDeal);
        SetUpWonGame(20);
        w_->EnableGameWindow(false);
        auto sb = RunScoreboard();
        QVERIFY(sb);
        if (newDeal)
            QTest::mouseClick(sb->btnNewDeal, Qt::LeftButton);
        else
            sb->close();
        QVERIFY(!sb->isVisible());
        QVERIFY(w_->centralWidget()->isEnabled());
        QCOMPARE(Game().Bankroll, 6150);
        QCOMPARE(Game().NewGameRequested, newDeal);
    }

    void figuresBeyond16BitsAndAnUnwritablePlayersFile()
    {
        GameState& g = Game();
        SetUpWonGame(20);
        g.HandCounts[9] = 20; // 20 Royal Flushes: a row total of $40,000
        g.GameScore += 40000;
        g.ElapsedSeconds = 100000; // no timer bonus left
        g.GamesPlayed = 1; // an average beyond 16 bits
        g.PlayersFilePath = g.DataFolder; // a folder: the save fails
        auto sb = RunScoreboard();
        QVERIFY(sb);
        QCOMPARE(sb->Panel3D3[26]->Caption(), QStringLiteral("$40,000  "));
        QCOMPARE(sb->pnlTimerBonus->Caption(), QStringLiteral("0"));
        QCOMPARE(g.GameScore, 41250 + 1250 + 1800);
        QCOMPARE(g.Bankroll, 2000 + 44300);
        QCOMPARE(
            w_->c_PlayerStatus->Caption(), QStringLiteral("Player: Ann     Bankroll: $46,300     Average Score: $0"));
    }

    void sameDealIsPaidAndDealsTheSameCards()
    {
        GameState& g = Game();
        w_->NewGame();
        const auto deck = g.Deck;
        SetUpWonGame(20);
        auto sb = RunScoreboard();
        QVERIFY(sb);
        const int32_t credited = g.Bankroll;
        const int32_t games = g.GamesPlayed;
        QTest::mouseClick(sb->btnSameDeal, Qt::LeftButton);
        QCOMPARE(g.Bankroll, credited - 1000);
        QCOMPARE(g.GamesPlayed, games + 1);
        QCOMPARE(FileBankroll(), credited - 1000);
        QCOMPARE(g.Deck, deck);
        QVERIFY(g.GameInProgress);
        QCOMPARE(g.CardsOnBoard, int16_t(56));
    }

    void wonGameEndsThroughVictoryAndScoreboard()
    {
        GameState& g = Game();
        w_->NewGame();
        const int32_t games = g.GamesPlayed;
        for (int card : { 110, 111, 112, 113 })
            Cards().SetCardX(card, 0);
        for (int card = 1; card <= 52; ++card)
            Cards().SetCardX(card, 0);
        SetUpWonGame(0);

        QStringList messages;
        struct MsgSpy : QObject {
            QStringList* out;
            bool eventFilter(QObject* o, QEvent* e) override
            {
                if (auto* m = qobject_cast<frmMsg*>(o); m && e->type() == QEvent::Show)
                    out->append(m->Label1() + QLatin1Char('|') + m->Label2());
                return false;
            }
        } spy;
        spy.out = &messages;
        qApp->installEventFilter(&spy);
        bool boardDisabled = false;
        SetMsgBoxResponder([&](const MsgBoxCall&) {
            boardDisabled = !w_->centralWidget()->isEnabled();
            return int(vbOK);
        });
        ClickWhenDone(&frmScoreboard::btnNewDeal);
        w_->CheckForPlays();
        SetMsgBoxResponder({});
        qApp->removeEventFilter(&spy);

        QVERIFY(!messages.isEmpty());
        QCOMPARE(messages.first(), QStringLiteral("No more plays.  You Won!!!|Preparing to calculate final score ..."));
        QVERIFY(boardDisabled);
        QVERIFY(w_->centralWidget()->isEnabled());
        // New Deal: a new paid game has been dealt.
        QVERIFY(!g.NewGameRequested);
        QCOMPARE(g.GamesPlayed, games + 1);
        QVERIFY(g.GameInProgress);
    }

    // Last: the game window closes for good.
    void exitClosesTheGameWindow()
    {
        SetUpWonGame(20);
        auto sb = RunScoreboard();
        QVERIFY(sb);
        QTest::mouseClick(sb->btnExit, Qt::LeftButton);
        QVERIFY(!sb->isVisible());
        QVERIFY(!w_->isVisible());
    }
};

QTEST_MAIN(TestFrmScoreboard)
#include "test_frmscoreboard.moc"
