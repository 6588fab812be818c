// A release on the board through the rules the window calls: what changes,
// and what the window is told to show, in which order; how a game ends.

#include "game/Clock.h"
#include "game/PlaySearch.h"
#include "game/ShowLog.h"

#include <QTest>

#include <limits>

namespace {
QString Over(GameEnd end)
{
    return QStringLiteral("over %1").arg(static_cast<int>(end));
}
} // namespace

class TestPlay : public QObject {
    Q_OBJECT

private slots:
    // The pair leaves after the undo record is written; the label flashes after the close-up; the clock starts.
    void acceptedPlayRunsInOrder()
    {
        Table t;
        t.b.Lay("2C 7C|7H|5S 5D");
        t.b.g.CardsOnBoard = 56;
        t.b.g.ElapsedSeconds = 30;
        QCOMPARE(t.Play("7C 7H"),
            (QStringList { "note", "score 50", "undo 54", "remove 7", "remove 33", "closed 1 label 0", "clock" }));
        QCOMPARE(t.undo.UndoGrid(2, 7), Card(7, Hearts)); // the record holds the board before the removal
        QCOMPARE(t.undo.Counters.CardsOnBoard, int16_t(56));
        QVERIFY(t.b.g.ActiveColumns == 2 && t.b.g.ElapsedSeconds == 30 && t.b.g.GameInProgress);
    }

    // Refusals: one misplay for cards apart, two for a hand that is none; the
    // third opens the instructions. A pick starts the count again; a sixth
    // pick is a misplay of its own.
    void misplaysCountToTheInstructions()
    {
        Table t;
        TestBoard& b = t.b;
        b.Lay("2C 7C 9H|4D KS");
        b.g.CardsOnBoard = 56;
        QCOMPARE(t.Play("9H KS"), (QStringList { "error", "note", "score 0" }));
        QVERIFY(t.misplays == 2 && b.g.SelectedCount == 2 && b.g.CardsOnBoard == 56);
        t.show.log.clear();
        QVERIFY(!SubmitPlay(b.g, b.cards, t.undo, t.misplays, t.show)); // the same picks again
        QCOMPARE(t.show.log, (QStringList { "error", "instructions", "note", "score 0" }));
        QCOMPARE(t.misplays, 1);

        t.show.log.clear();
        for (const CardId card : Cards("9H KS"))
            DropFromPlay(b.g, b.cards, card, t.show);
        QCOMPARE(t.show.log, (QStringList { "drop 35@0", "drop 52@1" }));
        QCOMPARE(t.Play("2C KS"), (QStringList { "error", "note" })); // apart: one misplay, no clock
        QCOMPARE(t.misplays, 1);

        for (const CardId card : Cards("2C KS"))
            DropFromPlay(b.g, b.cards, card, t.show);
        b.Column(3, "AS AD 3H 3C 8D");
        t.misplays = 2;
        t.show.log.clear();
        for (const CardId card : Cards("AS AD 3H 3C 8D"))
            PickForPlay(b.g, b.cards, card, t.misplays, t.show);
        QCOMPARE(t.misplays, 0);
        QCOMPARE(t.show.log.first(), QStringLiteral("pick 40@0"));
        t.show.log.clear();
        PickForPlay(b.g, b.cards, Card(4, Diamonds), t.misplays, t.show);
        QCOMPARE(t.show.log, (QStringList { "error", "note" }));
        QVERIFY(t.misplays == 1 && b.g.SelectedCount == 5);
    }

    // Jokers among three or more: the "About Jokers" note shows before the error, and costs 50 seconds.
    void jokersAmongThreeAreRefusedWithTheirNote()
    {
        Table t;
        t.b.BottomRow(1, "5C 110 5D 9S");
        t.b.g.CardsOnBoard = 56;
        t.b.g.ElapsedSeconds = 7;
        QCOMPARE(t.Play("5C 110 5D"), (QStringList { "jokers", "error", "score 0" }));
        QVERIFY(t.b.g.ElapsedSeconds == 57 && t.misplays == 2);
    }

    // A joker dealt in the last place is the only play: it ends the game, and how depends on the score.
    void jokerInTheLastPlaceEndsTheGame()
    {
        for (const int score : { 999, 1000 }) {
            Table t;
            GameState& g = t.b.g;
            t.b.Lay("2C 9D|KH 4S|6D|JC QD 3H 110");
            g.CardsOnBoard = 40;
            g.GameScore = score;
            g.FeeWonBack = score >= 1000;
            g.ScoreboardPending = true;
            const QStringList shown = t.Play("3H 110");
            const GameEnd end = score < 1000 ? GameEnd::Statistics : GameEnd::Scoreboard;
            QCOMPARE(shown.mid(shown.size() - 2), (QStringList { "closed 0 label -1", Over(end) }));
            QVERIFY(!g.GameInProgress && g.FeeWonBack);
            QCOMPARE(g.ScoreboardPending, score < 1000); // cleared only by the scoreboard it brings
            QCOMPARE(g.GameScore, score); // a joker pays nothing
            // A scoreboard is shown once a game.
            QCOMPARE(EndGameNoPlaysLeft(g), score < 1000 ? GameEnd::Statistics : GameEnd::WonWithoutScoreboard);
        }
    }

    // A forfeit ends the game where it stands: the fee stays paid, the picks
    // are let go, the clock stops and the board is left for the next deal.
    void forfeitEndsTheGameAndKeepsTheFee()
    {
        Table t;
        GameState& g = t.b.g;
        t.b.Lay("2C 7C 7H|9D 9S");
        g.Bankroll = 4000;
        g.GameScore = 300;
        for (const CardId card : Cards("7H 9S"))
            PickForPlay(g, t.b.cards, card, t.misplays, t.show);
        QVERIFY(g.SelectedCount == 2 && ClockRuns(g));
        ForfeitGame(g);
        QVERIFY(!g.GameInProgress && g.SelectedCount == 0 && !ClockRuns(g));
        QVERIFY(g.Bankroll == 4000 && g.GameScore == 300 && g.CardsOnBoard == 5);
    }

    // The bonus counts down $5 a second to "NONE", and never wraps.
    void timerBonusEnds()
    {
        QCOMPARE(TimerText(399, 2000), QStringLiteral("  Timer Bonus: $5  "));
        QCOMPARE(TimerText(400, 2000), QStringLiteral("  Timer Bonus: NONE  "));
        QCOMPARE(TimerText(-10000, 2000), QStringLiteral("  Timer Bonus: NONE  ")); // 52,000 is no 16-bit value
        GameState g;
        g.TimerBonusStart = 2000;
        for (const auto& [seconds, bonus] : { std::pair { 0, 2000 }, { 380, 100 }, { 399, 5 }, { 400, 0 }, { 401, 0 },
                 { std::numeric_limits<int32_t>::max(), 0 } }) {
            g.ElapsedSeconds = seconds;
            QCOMPARE(TimerBonus(g), bonus);
        }
    }
};

QTEST_GUILESS_MAIN(TestPlay)
#include "test_play.moc"
