// Play on the board through the rules the window calls: which picks touch
// and which hand they make, how removed cards leave and columns close up,
// what a release changes and what the window is told to show, in which order,
// how an undo puts it back, and how a game ends.

#include "game/Clock.h"
#include "game/Judge.h"
#include "game/PlaySearch.h"
#include "game/Removal.h"
#include "game/Selection.h"
#include "game/ShowLog.h"

#include <QTest>

#include <algorithm>
#include <limits>
#include <random>
#include <set>
#include <tuple>

namespace {

// Eight full columns of the ordered deck (jokers 110..113 last), as the deal lays them.
void FullBoard(TestBoard& b)
{
    for (int k = 1; k <= 56; ++k)
        b.g.Deck[k] = static_cast<CardId>(k <= 52 ? k : 110 + k - 53);
    LayOutBoard(b.g, b.cards);
}

// Every active column packed at the bottom with matching row, column and
// place; the columns beyond hold nothing; removed cards parked.
void CheckPacked(const TestBoard& b, const std::set<CardId>& removed)
{
    const GameState& g = b.g;
    int total = 0;
    for (int c = 1; c <= g.NumColumns; ++c) {
        const int k = g.ColumnCardCount[c];
        QVERIFY2(c > g.ActiveColumns ? k == 0 : k > 0, qPrintable(QStringLiteral("column %1").arg(c)));
        for (int r = 1; r <= g.NumRows; ++r) {
            const CardId card = g.CardGrid(c, r);
            if (r <= g.NumRows - k) {
                QCOMPARE(card, CardId(0));
                continue;
            }
            QVERIFY(ColumnOf(b.cards, card) == c && RowOf(b.cards, card) == r);
            QCOMPARE(b.cards.Position(card), CellPosition(g, c, r));
            ++total;
        }
    }
    QCOMPARE(total, 56 - int(removed.size()));
    for (const CardId card : removed)
        QCOMPARE(b.cards.Position(card), kParkedPosition);
}

} // namespace

class TestPlay : public QObject {
    Q_OBJECT

private slots:
    // Picks touch when they hold at least 2 x (n - 1) links: a count, so a 2 x 2
    // block lets any fifth card pass. A joker on the bottom row takes any
    // card; one above it only its neighbours. A single card is nothing to judge.
    void adjacency()
    {
        // Picks (on the joker board or not), links counted, refused.
        for (const auto& [jokerBoard, picked, links, refused] : { std::tuple { false, "6C 7C", 2, false },
                 { false, "6C 7D", 0, true }, { false, "5C 6C 7C", 4, false }, { false, "5C 6C 7D", 0, true },
                 { false, "6C 7C 6D 7D AH", 8, false }, { false, "5C 6C 7C 7D AH", 0, true },
                 { true, "9H 110", 1, false }, { true, "111", 1, false }, { true, "111 2C", 0, true },
                 { true, "111 4D", 2, false }, { true, "9H", 0, false }, { true, "", 0, false } }) {
            TestBoard b;
            b.Lay(jokerBoard ? "2C 3C 110|2D 111 4D|9H 9S"
                             : "AC 2C 3C 4C 5C 6C 7C|AD 2D 3D 4D 5D 6D 7D|AH 2H 3H 4H 5H 6H 7H");
            b.Pick(Cards(picked));
            const AdjacencyResult r = CheckAdjacent(b.g, b.cards);
            QVERIFY2(r.AdjacentLinks == links && r.Refused == refused, picked);
        }
    }

    // Each pick takes the lowest free slot; slots are not packed; a sixth is refused.
    void pickAndDrop()
    {
        TestBoard b;
        b.Lay("AC 2C 3C 4C 5C 6C 7C");
        for (int rank = 1; rank <= 3; ++rank)
            QCOMPARE(PickCard(b.g, b.cards, Card(rank, Clubs)), rank - 1);
        QCOMPARE(DropCard(b.g, b.cards, Card(2, Clubs)), 1);
        QVERIFY(!IsPicked(b.cards, Card(2, Clubs)) && IsPicked(b.cards, Card(3, Clubs)));
        QVERIFY(b.g.SelectedCount == 2 && b.g.SelectedCards[2] == Card(3, Clubs));
        QCOMPARE(DropCard(b.g, b.cards, Card(2, Clubs)), -1);
        for (const auto& [rank, slot] : { std::pair { 4, 1 }, { 5, 3 }, { 6, 4 }, { 7, -1 } })
            QCOMPARE(PickCard(b.g, b.cards, Card(rank, Clubs)), slot);
        QVERIFY(b.g.SelectedCount == 5 && !IsPicked(b.cards, Card(7, Clubs)));
        // A slot whose card was let go elsewhere counts as free.
        SetPicked(b.cards, Card(5, Clubs), false);
        --b.g.SelectedCount;
        QCOMPARE(LowestFreeSlot(b.g, b.cards), 3);
        ClearSelection(b.g);
        QCOMPARE(LowestFreeSlot(b.g, b.cards), 0);
    }

    // Each set of picks, in the order picked, with what it makes: a hand
    // (1..9), refused (0), jokers taken off (J), jokers among three refused
    // (R), nothing to judge (N). A hand is paid and counted; the cards of a
    // hand or of a joker play leave the count.
    void judgement()
    {
        constexpr int J = -1, R = -2, N = -3;
        for (const auto& [picked, made] : { std::pair { "7C 7H", 1 }, { "7C 8C", 0 }, { "7C 7H 7S", 3 },
                 { "7C 7H JS", 0 }, { "7C 7H 7S 7D", 7 }, { "7C JH 7S JD", 2 }, { "7C 7H 7S JD", 0 },
                 { "7C 7H 2S JD", 0 }, { "7C JH 7S JD 7H", 6 }, { "7C JH 7S JD 2H", 0 }, { "7C 7H 7S JD 2H", 0 },
                 { "7C 7H 7S 7D 2H", 0 }, { "3C AH 5S 2D 4H", 4 }, { "KC 9H JS 10D QH", 4 }, { "AC 10H JS QD KH", 4 },
                 { "JC QH KS AD 2H", 0 }, { "2H 9H 4H KH 7H", 5 }, { "2H 9H 4H KH 7S", 0 }, { "9C 10C JC QC KC", 8 },
                 { "AS 2S 3S 4S 5S", 8 }, { "KH AH 10H QH JH", 9 }, { "2C 3H 4S 5D 7H", 0 }, { "110", J },
                 { "KS 111", J }, { "112 113", J }, { "KS 110 KH", R }, { "", N }, { "5C", N } }) {
            TestBoard b;
            b.g.CardsOnBoard = 56;
            b.g.GameScore = 300;
            const std::vector<CardId> hand = Cards(picked);
            std::copy(hand.begin(), hand.end(), b.g.SelectedCards.begin());
            const Judgement j = JudgeSelection(b.g);
            const Verdict verdict = made > 0 ? Verdict::Hand
                : made == 0                  ? Verdict::Refused
                : made == J                  ? Verdict::JokerRemoval
                : made == R                  ? Verdict::JokersRefused
                                             : Verdict::Nothing;
            const int handType = std::max(made, 0);
            QVERIFY2(j.verdict == verdict && j.handType == handType && j.royalDing == (made == 9), picked);
            QCOMPARE(b.g.GameScore, 300 + (handType ? int(b.g.HandPoints[handType]) : 0));
            QVERIFY(b.g.HandsMade == (handType ? 1 : 0) && b.g.HandCounts[handType] == (handType ? 1 : 0));
            QCOMPARE(int(b.g.CardsOnBoard), 56 - (handType || made == J ? int(hand.size()) : 0));
        }
    }

    // Rows 5 and 6 of one column, picked either way round: the cards above drop two rows.
    // Only picked cards leave.
    void removedCardsLeaveAndTheCardsAboveDrop()
    {
        for (const bool upperFirst : { true, false }) {
            TestBoard b;
            FullBoard(b);
            CardId before[8];
            for (int r = 1; r <= 7; ++r)
                before[r] = b.g.CardGrid(4, r);
            b.Pick(upperFirst ? std::vector { before[5], before[6] } : std::vector { before[6], before[5] });
            const auto steps = RemoveSelectedCards(b.g, b.cards);
            QVERIFY(steps.size() == 2 && steps[0].card == (upperFirst ? before[5] : before[6]));
            for (int r = 3; r <= 6; ++r)
                QCOMPARE(b.g.CardGrid(4, r), before[r - 2]);
            QCOMPARE(b.g.CardGrid(4, 7), before[7]);
            CheckPacked(b, { before[5], before[6] });
        }
        TestBoard b;
        FullBoard(b);
        b.Pick({ b.g.CardGrid(1, 7), b.g.CardGrid(2, 7) });
        const CardId letGo = b.g.SelectedCards[1];
        SetPicked(b.cards, letGo, false);
        QCOMPARE(RemoveSelectedCards(b.g, b.cards).size(), size_t(1));
        QCOMPARE(b.g.CardGrid(2, 7), letGo);
        QVERIFY(!RemoveCardAndDrop(b.g, b.cards, 0));
    }

    // Emptied columns close up with one sound, the rightmost closes silently.
    void closeUpTwoColumnsOneSoundThenTheRightmost()
    {
        TestBoard gap; // the gap before the last column closes with its sound too
        gap.BottomRow(1, "AC 2C 3C");
        gap.Pick(Cards("2C"));
        RemoveSelectedCards(gap.g, gap.cards);
        QVERIFY(CloseUpColumns(gap.g, gap.cards).colGoneSound);
        QCOMPARE(gap.g.CardGrid(2, 7), Card(3, Clubs));

        TestBoard b;
        b.BottomRow(1, "AC 2C 3C 4C 5C");
        b.Pick(Cards("2C 3C"));
        RemoveSelectedCards(b.g, b.cards);
        CloseUp up = CloseUpColumns(b.g, b.cards);
        // Column 2 first takes 3..5 (3 being empty too), then again 4..5.
        QVERIFY(up.colGoneSound && up.shifts.size() == 5 && up.shifts[3].from == 3);
        QVERIFY(b.g.ActiveColumns == 3 && b.g.CardGrid(2, 7) == Card(4, Clubs));
        QCOMPARE(b.cards.Position(Card(5, Clubs)), CellPosition(b.g, 3, 7));

        // The last card of a column leaves with no drop; closing the rightmost column shifts nothing.
        b.Pick(Cards("5C"));
        const RemovalStep last = RemoveSelectedCards(b.g, b.cards).at(0);
        QVERIFY(last.kind == RemovalCase::ColumnEmptied && !last.dropSound());
        QCOMPARE(last.erase, QRect(CellPosition(b.g, 3, 7), QSize(71, 96)));
        up = CloseUpColumns(b.g, b.cards);
        QVERIFY(!up.colGoneSound && up.shifts.empty() && b.g.ActiveColumns == 2);
    }

    // Random picks, removals and close-ups until the board is empty: it always stays packed.
    void randomPlaysKeepColumnsPacked()
    {
        std::mt19937 rng(20240611);
        for (int game = 0; game < 40 && !QTest::currentTestFailed(); ++game) {
            TestBoard b;
            FullBoard(b);
            std::set<CardId> removed;
            while (b.g.CardsOnBoard > 0 && !QTest::currentTestFailed()) {
                // Up to five cards of the board, picked in random order; now and then one let go.
                std::vector<CardId> onBoard = OnBoard(b.g);
                std::shuffle(onBoard.begin(), onBoard.end(), rng);
                const int n = std::min<int>(int(onBoard.size()), 1 + int(rng() % 5));
                for (int i = 0; i < n; ++i) {
                    PickCard(b.g, b.cards, onBoard[i]);
                    removed.insert(onBoard[i]);
                }
                if (rng() % 3 == 0) {
                    DropCard(b.g, b.cards, onBoard[0]);
                    removed.erase(onBoard[0]);
                }
                const int count = b.g.SelectedCount;
                QCOMPARE(int(RemoveSelectedCards(b.g, b.cards).size()), count);
                b.g.CardsOnBoard -= count;
                CloseUpColumns(b.g, b.cards);
                CheckPacked(b, removed);
            }
            QCOMPARE(b.g.ActiveColumns, int16_t(0));
        }
    }

    // Nothing to undo before the first play; an undo brings back a joker (kept as 55) where it was.
    void undoBringsBackAJoker()
    {
        Table t;
        t.b.Lay("2C 3C|9D|112|4H");
        t.b.g.CardsOnBoard = 56;
        const auto before = t.Snapshot("9D 112 4H");
        QVERIFY(!RestoreUndoBoard(t.b.g, t.b.cards, t.undo) && t.Snapshot("9D 112 4H") == before);
        t.Play("9D 112");
        QVERIFY(RestoreUndoBoard(t.b.g, t.b.cards, t.undo) && t.Snapshot("9D 112 4H") == before);
        QVERIFY(t.undo.UndoGrid(3, 7) == CardId(55) && t.b.g.CardsOnBoard == 56);
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

        QCOMPARE(t.Drop("9H KS"), (QStringList { "drop 35@0", "drop 52@1" }));
        QCOMPARE(t.Play("2C KS"), (QStringList { "error", "note" })); // apart: one misplay, no clock
        QCOMPARE(t.misplays, 1);

        t.Drop("2C KS");
        b.Column(3, "AS AD 3H 3C 8D");
        t.misplays = 2;
        QVERIFY(t.Pick("AS AD 3H 3C 8D").first() == QStringLiteral("pick 40@0") && t.misplays == 0);
        QCOMPARE(t.Pick("4D"), (QStringList { "error", "note" }));
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
            std::swap(g.Deck[9], g.Deck[56]); // the joker was the deal's last card
            QVERIFY(PlaysLeft(g, t.b.cards)); // and is the only play
            g.CardsOnBoard = 40;
            g.GameScore = score;
            g.FeeWonBack = score >= 1000;
            g.ScoreboardPending = true;
            const QStringList shown = t.Play("3H 110");
            const GameEnd end = score < 1000 ? GameEnd::Statistics : GameEnd::Scoreboard;
            QCOMPARE(shown.mid(shown.size() - 2),
                (QStringList { "columns 4 label -1", QStringLiteral("over %1").arg(static_cast<int>(end)) }));
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
        t.Pick("7H 9S");
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
