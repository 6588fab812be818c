// The game window's additions driven as a player drives them: arrow keys,
// Space, Enter and Escape on the board; Select Deal, Show a Play and Fast
// Play from the menus; what a screen reader is told.

#include "app/frmMain.h"
#include "cardlib/CardDeck.h"
#include "game/CardState.h"
#include "game/DealNumber.h"
#include "game/GameState.h"
#include "game/KeyboardFocus.h"
#include "game/Selection.h"
#include "game/ShowPlay.h"
#include "support/GameEndCloser.h"
#include "support/WindowTest.h"
#include "ui/FastPlay.h"
#include "ui/Panel3D.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>

namespace {
// What a screen reader reads on the board.
QString Spoken(QWidget* board)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(board);
    return face ? face->text(QAccessible::Name) : QString();
}

// Answers the Select Deal question with `text` once it shows.
void AnswerDealQuestion(const QString& text)
{
    test::WhenShown<QInputDialog>([text](QInputDialog* d) {
        d->setTextValue(text);
        d->accept();
    });
}
} // namespace

class TestKeyboardPlay : public QObject {
    Q_OBJECT

    QTemporaryDir config_;
    test::GameWindow w_;

    void Key(int key, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(w_->Board(), Qt::Key(key), mods); }

    // Arrows until the frame stands on the card; false when it never gets there.
    bool FocusOn(CardId card)
    {
        const GameState& g = Game();
        if (w_->FocusedCard() == 0)
            Key(Qt::Key_Down);
        for (int i = 0; i < 40 && w_->FocusedCard() != card; ++i) {
            const BoardCell at = FindCell(g, w_->FocusedCard());
            const BoardCell to = FindCell(g, card);
            Key(at.column < to.column       ? Qt::Key_Right
                    : at.column > to.column ? Qt::Key_Left
                    : at.row < to.row       ? Qt::Key_Down
                                            : Qt::Key_Up);
        }
        return w_->FocusedCard() == card;
    }

private slots:
    void initTestCase()
    {
        // The settings of this run stay in a folder of its own.
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
    }

    void init()
    {
        w_.Open(QStringLiteral("Tester"));
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
        Game().Bankroll = 5000;
        Game().NextDealNumber = 2024;
        w_->NewGame();
    }

    void cleanup()
    {
        w_.Close();
        SetFastPlay(false);
        SetTimeScale(0);
    }

    void theFrameAppearsWithTheFirstArrowAndSpacePicksLikeAClick()
    {
        const GameState& g = Game();
        QCOMPARE(Game().DealNumber, 2024u);
        QCOMPARE(w_->focusWidget(), w_->Board());
        QCOMPARE(w_->FocusedCard(), CardId(0));
        Key(Qt::Key_Up);
        const CardId first = g.CardGrid(1, 7);
        QCOMPARE(w_->FocusedCard(), first);
        QCOMPARE(Spoken(w_->Board()), SpokenCardName(first));
        Key(Qt::Key_Up);
        QCOMPARE(w_->FocusedCard(), g.CardGrid(1, 6));
        Key(Qt::Key_Right);
        QCOMPARE(w_->FocusedCard(), g.CardGrid(2, 6));

        // Space picks and drops; the sound box keeps its tick.
        const bool sound = w_->chkSound->isChecked();
        Key(Qt::Key_Space);
        QVERIFY(IsPicked(Cards(), g.CardGrid(2, 6)));
        QCOMPARE(g.SelectedCount, 1);
        QCOMPARE(Spoken(w_->Board()), SpokenCardName(g.CardGrid(2, 6)) + QStringLiteral(", picked"));
        Key(Qt::Key_Space);
        QVERIFY(!IsPicked(Cards(), g.CardGrid(2, 6)));
        QCOMPARE(Spoken(w_->Board()), SpokenCardName(g.CardGrid(2, 6)));
        QCOMPARE(w_->chkSound->isChecked(), sound);

        // Escape drops every pick.
        Key(Qt::Key_Space);
        Key(Qt::Key_Down);
        Key(Qt::Key_Space);
        QCOMPARE(g.SelectedCount, 2);
        Key(Qt::Key_Escape);
        QCOMPARE(g.SelectedCount, 0);
        QVERIFY(!IsPicked(Cards(), g.CardGrid(2, 6)) && !IsPicked(Cards(), g.CardGrid(2, 7)));
    }

    void aWholeGameIsPlayedWithKeysAlone()
    {
        test::MsgBoxRecorder boxes;
        GameState& g = Game();
        // The end of the game opens the scoreboard or the statistics: close them as a player would.
        const test::GameEndCloser closer;
        int plays = 0;
        while (g.GameInProgress && plays < 60) {
            const auto play = PlayToShow(g, Cards());
            QVERIFY(play);
            const int16_t before = g.CardsOnBoard;
            for (int i = 0; i < play->count; ++i) {
                QVERIFY(FocusOn(play->cards[i]));
                Key(Qt::Key_Space);
            }
            Key(Qt::Key_Return);
            QVERIFY(g.CardsOnBoard < before || !g.GameInProgress);
            // The frame stays on the board, and the hand was told.
            if (g.GameInProgress)
                QVERIFY(FindCell(g, w_->FocusedCard()).column != 0);
            const QString told = play->handType == 0
                ? QStringLiteral("Joker removed")
                : HandName(play->handType) + QStringLiteral(", ") + FormatMoney(play->points);
            QCOMPARE(Spoken(w_->Board()), told);
            ++plays;
        }
        QVERIFY(!g.GameInProgress);
        QVERIFY(plays > 5);
        QVERIFY(boxes.calls.isEmpty());
    }

    void selectDealStartsThatDealAfterNewGamesQuestion()
    {
        test::MsgBoxRecorder boxes;
        GameState& g = Game();
        QCOMPARE(w_->c_score->toolTip(), QStringLiteral("Deal 2024"));
        const int32_t bankroll = g.Bankroll;

        // A refused number says so plainly and changes nothing.
        AnswerDealQuestion(QStringLiteral("12a"));
        w_->MenuFileSelectDeal->trigger();
        QCOMPARE(boxes.calls.size(), 1);
        QCOMPARE(boxes.calls[0].title, QStringLiteral("Select Deal"));
        boxes.calls.clear();

        // Keeping the game in progress keeps its deal, and the asked number is forgotten.
        boxes.answers = { vbNo };
        AnswerDealQuestion(QStringLiteral("77"));
        w_->MenuFileSelectDeal->trigger();
        QCOMPARE(boxes.calls.size(), 1);
        QCOMPARE(boxes.calls[0].title, QStringLiteral("Exit Game?"));
        QCOMPARE(g.DealNumber, 2024u);
        QCOMPARE(g.NextDealNumber, 0u);

        boxes.calls.clear();
        boxes.answers = { vbYes };
        AnswerDealQuestion(QStringLiteral(" 4294967295 "));
        w_->MenuFileSelectDeal->trigger();
        QCOMPARE(g.DealNumber, 4294967295u);
        QCOMPARE(g.Bankroll, bankroll - g.EntryFee);
        QCOMPARE(w_->c_score->toolTip(), QStringLiteral("Deal 4294967295"));
        QCOMPARE(g.SavedDeck, DealOrder(4294967295u));
    }

    void showAPlayMarksTheBestPlayForTwoSecondsAtThirtySeconds()
    {
        test::MsgBoxRecorder boxes;
        GameState& g = Game();
        const auto best = PlayToShow(g, Cards());
        QVERIFY(best);
        g.ElapsedSeconds = 5;
        w_->MenuViewShowPlay->trigger();
        QCOMPARE(w_->ShownPlay(), best->cards);
        QCOMPARE(g.ElapsedSeconds, 35);
        QCOMPARE(g.SelectedCount, 0);
        QVERIFY(boxes.calls.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(w_->ShownPlay()[0], CardId(0), 3000);

        // A board with nothing left to play says so, at no cost.
        g.CardGrid.clear();
        g.CardGrid(1, 7) = 2;
        g.CardGrid(2, 7) = 22;
        w_->MenuViewShowPlay->trigger();
        QCOMPARE(boxes.calls.size(), 1);
        QCOMPARE(boxes.calls[0].text, NoPlayLeftText());
        QCOMPARE(g.ElapsedSeconds, 35);
    }

    // Fast Play is remembered for the next run and skips the pauses; only
    // under it does a key or a click finish a count at once.
    void fastPlaySkipsThePausesAndAKeyFinishesTheCount()
    {
        SetTimeScale(1);
        {
            CountHurry hurry;
            Key(Qt::Key_Space);
            QVERIFY(!hurry.Hurried());
        }
        QVERIFY(!w_->MenuFileFastPlay->isChecked() && !PausesSkipped());
        w_->MenuFileFastPlay->trigger();
        QVERIFY(FastPlayOn() && PausesSkipped());
        SetPausesSkipped(false);
        frmMain again; // the next run finds it on
        QVERIFY(again.MenuFileFastPlay->isChecked() && PausesSkipped());
        QElapsedTimer clock;
        clock.start();
        Pause(30);
        QVERIFY(clock.elapsed() < 10000);
        {
            CountHurry hurry;
            QTest::mouseClick(w_->Board(), Qt::LeftButton);
            QVERIFY(hurry.Hurried());
            QCOMPARE(TimeScale(), 0.0);
        }
        QCOMPARE(TimeScale(), 1.0);
    }
};

QTEST_MAIN(TestKeyboardPlay)
#include "test_keyboardplay.moc"
