// The game window's additions driven as a player drives them: arrow keys,
// Space, Enter and Escape on the board; Select Deal, Show a Play, Fast Play
// and Par of This Deal from the menus; what a screen reader is told.

#include "game/CardState.h"
#include "game/DealNumber.h"
#include "game/KeyboardFocus.h"
#include "game/LegalPlays.h"
#include "game/PlayOut.h"
#include "game/Selection.h"
#include "game/ShowPlay.h"
#include "support/Files.h"
#include "support/Inventory.h"
#include "support/WindowTest.h"
#include "ui/FastPlay.h"
#include "ui/frmPar.h"

#include <QAccessible>
#include <QInputDialog>
#include <QLineEdit>

namespace {
// What a screen reader reads on the board.
QString Spoken(QWidget* board)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(board);
    return face ? face->text(QAccessible::Name) : QString();
}

// What the board showed while the par line was played on it.
struct Watched {
    int32_t bestScore = -1; // the highest score in par's measure
    int16_t fewestCards = 56;
    bool recordWindowOpened = false; // a scoreboard or statistics window
    QString firstScore; // the score panel's caption and colour as the line began
};
} // namespace

class TestAdditions : public QObject {
    Q_OBJECT

    QTemporaryDir config_;
    test::GameWindow w_;

    void Key(int key) { QTest::keyClick(w_->Board(), Qt::Key(key)); }

    // What of the ended game and of the player's the par line must leave as
    // it was: money, games, files, score, board, top ten, and their picture.
    auto Kept() const
    {
        const GameState& g = Game();
        return std::tuple(g.Bankroll, g.GamesPlayed, test::ReadBytes(g.PlayersFilePath),
            test::ReadBytes(g.DataFolder + QStringLiteral("TopTen.dat")), g.GameScore, g.GameInProgress, g.CardGrid,
            g.TopTen, w_->c_score->Caption(), w_->c_score->ForeColor(), w_->Surface().Pixmap().toImage());
    }

    // Arrows until the frame stands on the card; false when it never gets there.
    bool FocusOn(CardId card)
    {
        if (w_->FocusedCard() == 0)
            Key(Qt::Key_Down);
        for (int i = 0; i < 40 && w_->FocusedCard() != card; ++i) {
            const BoardCell at = FindCell(Game(), w_->FocusedCard()), to = FindCell(Game(), card);
            Key(at.column < to.column       ? Qt::Key_Right
                    : at.column > to.column ? Qt::Key_Left
                    : at.row < to.row       ? Qt::Key_Down
                                            : Qt::Key_Up);
        }
        return w_->FocusedCard() == card;
    }

    // Asks for par and answers Show Me (or Close); returns the dialog's text.
    // While a line plays, `seen` follows the board and `duringShow` may act.
    QString AskForPar(Watched& seen, const std::function<void(Watched&)>& duringShow = {}, bool showMe = true)
    {
        QString text;
        bool showMeVisible = false;
        test::WhenShown<frmPar>(
            [&](frmPar* d) {
                text = d->lblText->text();
                showMeVisible = d->btnShowMe->isVisible();
                if (showMe)
                    QTest::keyClick(d, Qt::Key_Return); // Show Me is the default
                else
                    d->btnClose->click();
            },
            20000);
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, [&] {
            if (!w_->ShowingParLine())
                return;
            if (seen.firstScore.isEmpty())
                seen.firstScore = w_->c_score->Caption() + u' ' + w_->c_score->ForeColor().name();
            seen.bestScore = std::max(seen.bestScore, ScoreWithoutTimer(Game()));
            seen.fewestCards = std::min(seen.fewestCards, Game().CardsOnBoard);
            seen.recordWindowOpened = seen.recordWindowOpened || test::VisibleWindow<frmScoreboard>()
                || test::VisibleWindow<frmGameStats>();
            if (duringShow)
                duringShow(seen);
        });
        sampler.start(0);
        w_->MenuViewPar->trigger();
        [&] { QVERIFY(showMeVisible); }();
        return text;
    }

private slots:
    void init()
    {
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8()); // this run's settings stay in a folder of its own
        w_.Open(QStringLiteral("Tester"), true);
        Game().Bankroll = 5000;
        Game().NextDealNumber = 2024;
        QVERIFY(!w_->MenuViewPar->isEnabled()); // par is for an ended game: none yet
        w_->NewGame();
        QVERIFY(!w_->MenuViewPar->isEnabled()); // nor one in progress
    }

    void cleanup()
    {
        w_.Close();
        SetFastPlay(false);
        SetTimeScale(0);
    }

    // On one game: the first arrow shows the frame, the next ones move it;
    // Space picks and drops like a click, and Escape drops every pick. Show a
    // Play marks the best play for two seconds at thirty seconds of clock;
    // with nothing left to play it says so at no cost. Select Deal: a refused
    // number changes nothing; a game kept in progress keeps its deal and
    // forgets the number; a forfeited one makes way for the deal asked.
    void keysShowAPlayAndSelectDeal()
    {
        test::MsgBoxRecorder boxes { vbOK, vbOK, vbNo, vbYes };
        GameState& g = Game();
        QVERIFY(g.DealNumber == 2024u && w_->focusWidget() == w_->Board() && w_->FocusedCard() == 0);
        QCOMPARE(std::pair(w_->c_score->toolTip(), w_->Board()->accessibleDescription()),
            std::pair(QStringLiteral("Deal 2024"), QStringLiteral("Deal 2024")));
        // The board as shown at the left of a card's top strip, where the frame and Show a Play's edge lie.
        const auto edge = [&](CardId c) {
            return w_->Board()->grab().toImage().pixelColor(Cards().Position(c) + QPoint(1, g.RowStep / 2));
        };
        Key(Qt::Key_Up);
        QCOMPARE(std::tuple(w_->FocusedCard(), Spoken(w_->Board()), edge(g.CardGrid(1, 7))),
            std::tuple(g.CardGrid(1, 7), SpokenCardName(g.CardGrid(1, 7)), QColor(255, 215, 0))); // a gold frame
        Key(Qt::Key_Up);
        Key(Qt::Key_Right);
        const CardId card = g.CardGrid(2, 6);
        QCOMPARE(w_->FocusedCard(), card);
        const bool sound = w_->chkSound->isChecked(); // the sound box keeps its tick
        Key(Qt::Key_Space);
        QVERIFY(IsPicked(Cards(), card) && g.SelectedCount == 1);
        QCOMPARE(Spoken(w_->Board()), SpokenCardName(card) + QStringLiteral(", picked"));
        Key(Qt::Key_Space);
        QVERIFY(!IsPicked(Cards(), card) && w_->chkSound->isChecked() == sound);
        QCOMPARE(Spoken(w_->Board()), SpokenCardName(card));
        for (const int key : { Qt::Key_Space, Qt::Key_Down, Qt::Key_Space })
            Key(key);
        QCOMPARE(g.SelectedCount, 2);
        Key(Qt::Key_Escape);
        QVERIFY(g.SelectedCount == 0 && !IsPicked(Cards(), card) && !IsPicked(Cards(), g.CardGrid(2, 7)));

        const auto best = PlayToShow(g, Cards());
        QVERIFY(best);
        g.ElapsedSeconds = 5;
        w_->MenuViewShowPlay->trigger();
        QCOMPARE(w_->ShownPlay(), best->cards);
        QCOMPARE(edge(best->cards[best->cards[0] == w_->FocusedCard()]), QColor(0, 200, 0)); // a green edge
        QCOMPARE(std::tuple(g.ElapsedSeconds, int(g.SelectedCount), boxes.calls.size()), std::tuple(35, 0, 0));
        QTRY_COMPARE_WITH_TIMEOUT(w_->ShownPlay()[0], CardId(0), 3000);
        const CardGridArray dealt = g.CardGrid;
        g.CardGrid.clear();
        g.CardGrid(1, 7) = 2;
        g.CardGrid(2, 7) = 22;
        w_->MenuViewShowPlay->trigger();
        QCOMPARE(g.ElapsedSeconds, 35);
        g.CardGrid = dealt;

        const int32_t bankroll = g.Bankroll;
        QString asked;
        for (const char* typed : { "12a", "77", " 4294967295 " }) {
            test::WhenShown<QInputDialog>([typed, &asked](QInputDialog* d) {
                asked = d->windowTitle() + u'|' + d->labelText();
                d->setTextValue(QString::fromLatin1(typed));
                d->accept();
            });
            w_->MenuFileSelectDeal->trigger();
            if (boxes.calls.size() == 3) // kept in progress
                QVERIFY(g.DealNumber == 2024u && g.NextDealNumber == 0u);
        }
        QCOMPARE(asked, QStringLiteral("Select Deal|Deal number (1 to 4294967295):"));
        const QString forfeit = QStringLiteral("There are more plays left (the game will automatically notify you if "
                                               "there are not any more plays left).  Are you sure you want to forfeit "
                                               "game and the $1,000 entry fee?");
        QCOMPARE(test::Boxes(boxes.calls) + boxes.Texts(),
            QStringList({ "Show a Play [information OK]", "Select Deal [warning OK]", "Exit Game? [question Yes/No]",
                "Exit Game? [question Yes/No]", NoPlayLeftText(),
                "A deal number is a whole number from 1 to 4294967295.", forfeit, forfeit }));
        QCOMPARE(std::tuple(g.DealNumber, g.Bankroll, w_->c_score->toolTip()),
            std::tuple(4294967295u, bankroll - g.EntryFee, QStringLiteral("Deal 4294967295")));
        QCOMPARE(g.SavedDeck, DealOrder(4294967295u));
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
        for (const bool byKey : { false, true }) {
            CountHurry hurry;
            if (byKey)
                Key(Qt::Key_Space);
            else
                QTest::mouseClick(w_->Board(), Qt::LeftButton);
            QVERIFY(hurry.Hurried() && TimeScale() == 0.0);
        }
        QCOMPARE(TimeScale(), 1.0);
    }

    // Last, for its window closes for good. A whole game played with keys
    // alone, each hand told; then its par line, shown to its end, stopped by a
    // click, and cut short by closing the window, without a cent, a record
    // or a question changing for it.
    void aWholeGameWithKeysThenItsParLine()
    {
        test::MsgBoxRecorder boxes;
        GameState& g = Game();
        int32_t yours = 0;
        int plays = 0;
        {
            const test::GameEndCloser closer;
            for (; g.GameInProgress; ++plays) {
                const auto play = PlayToShow(g, Cards());
                QVERIFY(play && plays < 60);
                Position after { g, Cards() };
                MakePlay(after, *play);
                yours = ScoreWithoutTimer(after.g);
                for (int i = 0; i < play->count; ++i) {
                    QVERIFY(FocusOn(play->cards[i]));
                    Key(Qt::Key_Space);
                }
                const int16_t before = g.CardsOnBoard;
                QTest::keyClick(w_->Board(), plays % 2 ? Qt::Key_Enter : Qt::Key_Return,
                    plays % 2 ? Qt::KeypadModifier : Qt::NoModifier); // both Enter keys
                QVERIFY(g.CardsOnBoard < before || !g.GameInProgress);
                if (g.GameInProgress) // the frame stays on the board
                    QVERIFY(FindCell(g, w_->FocusedCard()).column != 0);
                QCOMPARE(Spoken(w_->Board()),
                    play->handType == 0 ? QStringLiteral("Joker removed")
                                        : HandName(play->handType) + QStringLiteral(", ") + FormatMoney(play->points));
            }
        }
        w_->c_score->SetForeColor(frmMain::kScoreGreen); // as a won game leaves it: the line gives it back
        const auto kept = Kept();
        QVERIFY(plays > 5 && !std::get<2>(kept).isEmpty());

        Watched seen;
        AskForPar(seen, {}, false);
        QVERIFY(seen.bestScore == -1 && Kept() == kept); // Close shows no line
        bool showMe = true; // nor does a box without a line to show, which offers only Close
        test::WhenShown<frmPar>([&](frmPar* d) {
            showMe = d->btnShowMe->isVisible();
            QTest::keyClick(d, Qt::Key_Return);
        });
        QVERIFY(!frmPar::Ask(QString(), QString(), false, w_.get()) && !showMe);

        const QString text = AskForPar(seen);
        QVERIFY2(text.startsWith(QStringLiteral("Par of deal 2024: ")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("\nYour score: ") + FormatMoney(yours) + QLatin1Char('\n')));
        // Par's figure ends the first line of the text ("... $9,975").
        const int32_t par = text.section(u'\n', 0, 0).section(u'$', -1).remove(u',').toInt();
        // The line was played to its end, from $0, and reached par.
        QCOMPARE(std::pair(seen.bestScore, seen.firstScore), std::pair(par, QStringLiteral("Game:  $0 #ff0000")));
        QVERIFY(par >= yours && seen.fewestCards < 56 && !seen.recordWindowOpened);
        // The ended game is back, and nothing of the player's changed.
        QVERIFY(!w_->ShowingParLine() && !g.GameInProgress && Kept() == kept);
        QVERIFY(w_->MenuViewPar->isEnabled() && w_->MenuFileNewGame->isEnabled() && !w_->MenuViewHint->isEnabled()
            && !w_->MenuFileUndo->isEnabled());

        // Once the first play has left the board, the player clicks on a card:
        // the line stops there, at most the play under way finished, and the
        // click is no play of the ended game.
        seen = {};
        int16_t cardsWhenStopped = 0;
        AskForPar(seen, [&](Watched& s) {
            if (cardsWhenStopped || s.fewestCards == 56)
                return;
            cardsWhenStopped = g.CardsOnBoard;
            QTest::mouseClick(w_->Board(), Qt::LeftButton, {}, test::CardCentre(1, g.NumRows));
        });
        QVERIFY(cardsWhenStopped > 0 && seen.bestScore < par && seen.fewestCards >= cardsWhenStopped - 5);
        QVERIFY(!w_->ShowingParLine() && !g.GameInProgress && g.SelectedCount == 0 && Kept() == kept
            && w_->MenuViewPar->isEnabled());

        // Closing the window during the line asks nothing (the line's game is
        // no game of the player's), puts the ended game back, then closes.
        seen = {};
        bool closed = false;
        AskForPar(seen, [&](Watched& s) {
            if (!closed && s.fewestCards < 56) {
                closed = true;
                w_->close();
            }
        });
        QVERIFY(closed && w_->IsClosing() && !g.GameInProgress && Kept() == kept && boxes.calls.isEmpty());
    }
};

QTEST_MAIN(TestAdditions)
#include "test_additions.moc"
