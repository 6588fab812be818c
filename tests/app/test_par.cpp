// Par of This Deal on the game window, driven as a player drives it: the
// command through a game, the dialog after it, and the par line shown on the
// board without a cent or a record changing.

#include "app/frmMain.h"
#include "cardlib/CardDeck.h"
#include "game/GameState.h"
#include "game/LegalPlays.h"
#include "game/PlayOut.h"
#include "recordwindows/frmGameStats.h"
#include "recordwindows/frmScoreboard.h"
#include "support/Files.h"
#include "support/GameEndCloser.h"
#include "support/WindowTest.h"
#include "ui/Panel3D.h"
#include "ui/frmPar.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <functional>

namespace {
// Par's figure from the first line of the dialog's text.
int32_t ParOf(const QString& text)
{
    const QString figure = text.section(QLatin1Char('\n'), 0, 0).section(QLatin1Char(' '), -1); // "$9,975"
    return QString(figure).remove(QLatin1Char('$')).remove(QLatin1Char(',')).toInt();
}

// What of the player's the line must leave as it was.
struct Kept {
    int32_t bankroll = Game().Bankroll;
    int32_t games = Game().GamesPlayed;
    QByteArray players = test::ReadBytes(Game().PlayersFilePath);
    bool operator==(const Kept&) const = default;
};

// What the board showed while the par line was played on it.
struct Watched {
    int32_t bestScore = -1; // the highest score in par's measure
    int16_t fewestCards = 56;
    bool recordWindowOpened = false; // a scoreboard or statistics window
};
} // namespace

class TestPar : public QObject {
    Q_OBJECT

    test::GameWindow w_;

    QPoint CardPoint(CardId card) const { return Cards().Position(card) + QPoint(35, 10); }

    // Plays the game to its end with clicks, always the last play listed (the
    // least paying), closing the windows the end opens as a player would.
    // Returns the player's score in par's measure, taken before the scoreboard.
    int32_t PlayToTheEnd()
    {
        GameState& g = Game();
        const test::GameEndCloser closer;
        int32_t score = 0;
        for (int plays = 0; g.GameInProgress && plays < 60; ++plays) {
            const LegalPlay play = LegalPlays(g, Cards()).back();
            Position after { g, Cards() };
            MakePlay(after, play);
            score = ScoreWithoutTimer(after.g);
            for (int i = 0; i < play.count; ++i)
                QTest::mouseClick(w_->Board(), Qt::LeftButton, {}, CardPoint(play.cards[i]));
            QTest::mouseClick(w_->Board(), Qt::RightButton, {}, CardPoint(play.cards[0]));
        }
        return score;
    }

    // Asks for par and answers the dialog with `button`; returns its text.
    QString AskForPar(std::function<QPushButton*(frmPar*)> button, const std::function<void(Watched&)>& duringShow = {},
        Watched* watched = nullptr)
    {
        QString text;
        bool showMeVisible = false;
        test::WhenShown<frmPar>(
            [&](frmPar* d) {
                text = d->lblText->text();
                showMeVisible = d->btnShowMe->isVisible();
                button(d)->click();
            },
            20000);
        Watched local;
        Watched& seen = watched ? *watched : local;
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, [&] {
            if (!w_->ShowingParLine())
                return;
            seen.bestScore = std::max(seen.bestScore, ScoreWithoutTimer(Game()));
            seen.fewestCards = std::min(seen.fewestCards, Game().CardsOnBoard);
            seen.recordWindowOpened = seen.recordWindowOpened || test::VisibleWindow<frmScoreboard>()
                || test::VisibleWindow<frmGameStats>();
            if (duringShow)
                duringShow(seen);
        });
        sampler.start(0);
        w_->MenuViewPar->trigger();
        sampler.stop();
        [&] { QVERIFY(showMeVisible); }();
        return text;
    }

private slots:
    void init()
    {
        w_.Open(QStringLiteral("Tester"));
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
        Game().Bankroll = 5000;
        Game().NextDealNumber = 2024;
    }

    void cleanup() { w_.Close(); }

    void showMePlaysTheLineAndChangesNoRecord()
    {
        test::MsgBoxRecorder boxes;
        QVERIFY(!w_->MenuViewPar->isEnabled()); // no game yet
        w_->NewGame();
        QVERIFY(!w_->MenuViewPar->isEnabled()); // nor during one
        const int32_t yours = PlayToTheEnd();
        GameState& g = Game();
        const GameState ended = g;
        const Kept kept;
        const QByteArray topTen = test::ReadBytes(g.DataFolder + QStringLiteral("TopTen.dat"));
        QVERIFY(!kept.players.isEmpty());
        const QImage board = w_->Surface().Pixmap().toImage();
        const QString scoreCaption = w_->c_score->Caption();

        Watched seen;
        const QString text = AskForPar([](frmPar* d) { return d->btnShowMe; }, {}, &seen);
        QVERIFY2(text.startsWith(QStringLiteral("Par of deal 2024: ")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("\nYour score: ") + FormatMoney(yours) + QLatin1Char('\n')));
        const int32_t par = ParOf(text);
        QVERIFY(par >= yours);
        // The line was played to its end, and reached par.
        QCOMPARE(seen.bestScore, par);
        QVERIFY(seen.fewestCards < 56);
        QVERIFY(!seen.recordWindowOpened);
        QVERIFY(boxes.calls.isEmpty());

        // The ended game is back, and nothing of the player's changed.
        QVERIFY(!w_->ShowingParLine());
        QVERIFY(Kept() == kept);
        QCOMPARE(g.GameScore, ended.GameScore);
        QCOMPARE(g.CardGrid, ended.CardGrid);
        QCOMPARE(g.TopTen, ended.TopTen);
        QVERIFY(!g.GameInProgress);
        QCOMPARE(test::ReadBytes(g.DataFolder + QStringLiteral("TopTen.dat")), topTen);
        QCOMPARE(w_->Surface().Pixmap().toImage(), board);
        QCOMPARE(w_->c_score->Caption(), scoreCaption);
        QVERIFY(w_->MenuViewPar->isEnabled() && w_->MenuFileNewGame->isEnabled());
        QVERIFY(!w_->MenuViewHint->isEnabled() && !w_->MenuFileUndo->isEnabled());
    }

    void aClickStopsTheLine()
    {
        test::MsgBoxRecorder boxes;
        w_->NewGame();
        PlayToTheEnd();
        const GameState& g = Game();
        const Kept kept;

        // Once the first play has left the board, the player clicks on a card.
        Watched seen;
        bool sent = false;
        int16_t cardsWhenStopped = 0;
        const QString text = AskForPar([](frmPar* d) { return d->btnShowMe; },
            [&](Watched& s) {
                if (sent || s.fewestCards == 56)
                    return;
                sent = true;
                cardsWhenStopped = Game().CardsOnBoard;
                QTest::mouseClick(w_->Board(), Qt::LeftButton, {}, CardPoint(Game().CardGrid(1, Game().NumRows)));
            },
            &seen);
        QVERIFY(sent);
        const int32_t par = ParOf(text);
        // It stopped there: at most the play under way finished, far short of par.
        QVERIFY(seen.bestScore < par);
        QVERIFY(seen.fewestCards >= cardsWhenStopped - 5);
        // The click was no play of the ended game, and no pick stayed.
        QVERIFY(!w_->ShowingParLine());
        QVERIFY(!g.GameInProgress);
        QCOMPARE(g.SelectedCount, int16_t(0));
        QVERIFY(Kept() == kept);
        QVERIFY(w_->MenuViewPar->isEnabled());
        QVERIFY(boxes.calls.isEmpty());
    }

    // Last: a window that has closed ends every event loop of the test.
    void closingTheWindowDuringTheLineAsksNothingAndKeepsTheRecords()
    {
        test::MsgBoxRecorder boxes;
        w_->NewGame();
        PlayToTheEnd();
        const Kept kept;
        bool asked = false;
        AskForPar([](frmPar* d) { return d->btnShowMe; },
            [&](Watched& s) {
                if (asked || s.fewestCards == 56)
                    return;
                asked = true;
                w_->close();
            });
        QVERIFY(asked);
        // The line's game is no game of the player's: no forfeit question, the ended game back, then the close.
        QVERIFY(boxes.calls.isEmpty());
        QVERIFY(w_->IsClosing());
        QVERIFY(!Game().GameInProgress);
        QVERIFY(Kept() == kept);
    }
};

QTEST_MAIN(TestPar)
#include "test_par.moc"
