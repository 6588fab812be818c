#include "game/BoardHelper.h"
#include "game/CardState.h"
#include "game/Deal.h"
#include "game/Play.h"
#include "game/Removal.h"
#include "game/Selection.h"
#include "game/ShowLog.h"
#include "game/Undo.h"

#include <QTest>

#include <algorithm>
#include <random>
#include <set>

namespace {

// Eight full columns of the ordered deck (jokers 110..113 last), as the deal lays them.
void FullBoard(TestBoard& b)
{
    for (int k = 1; k <= 56; ++k)
        b.g.Deck[k] = static_cast<CardId>(k <= 52 ? k : 110 + k - 53);
    LayOut(b);
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
            QCOMPARE(ColumnOf(b.cards, card), c);
            QCOMPARE(RowOf(b.cards, card), r);
            QCOMPARE(b.cards.Position(card), CellPosition(g, c, r));
            ++total;
        }
    }
    QCOMPARE(total, 56 - int(removed.size()));
    for (const CardId card : removed)
        QCOMPARE(b.cards.Position(card), kParkedPosition);
}

// A release that picks the cards and submits them; true when the play was accepted.
bool Play(TestBoard& b, UndoRecord& record, const std::vector<CardId>& picked)
{
    ShowLog show(b.g);
    int misplays = 0;
    for (const CardId card : picked)
        PickForPlay(b.g, b.cards, card, misplays, show);
    if (SubmitPlay(b.g, b.cards, record, misplays, show))
        CloseRelease(b.g, show);
    return std::any_of(show.log.begin(), show.log.end(), [](const QString& s) { return s.startsWith(u"undo"); });
}

// The board, and each watched card's place, column and row.
auto Snapshot(const TestBoard& b, const std::vector<CardId>& cardsToWatch)
{
    std::vector<std::tuple<QPoint, int, int>> cards;
    for (const CardId card : cardsToWatch)
        cards.emplace_back(b.cards.Position(card), ColumnOf(b.cards, card), RowOf(b.cards, card));
    return std::tuple(b.g.CardGrid, b.g.ActiveColumns, b.g.ColumnCardCount, cards);
}

} // namespace

class TestRemoval : public QObject {
    Q_OBJECT

private slots:
    // Rows 5 and 6 of one column, picked either way round.
    void pairInRowsFiveAndSix()
    {
        for (const bool upperFirst : { true, false }) {
            TestBoard b;
            FullBoard(b);
            CardId before[8];
            for (int r = 1; r <= 7; ++r)
                before[r] = b.g.CardGrid(4, r);
            b.Pick(upperFirst ? std::vector { before[5], before[6] } : std::vector { before[6], before[5] });
            const auto steps = RemoveSelectedCards(b.g, b.cards);
            QCOMPARE(steps.size(), size_t(2));
            QCOMPARE(steps[0].card, upperFirst ? before[5] : before[6]);
            for (int r = 3; r <= 6; ++r)
                QCOMPARE(b.g.CardGrid(4, r), before[r - 2]);
            QCOMPARE(b.g.CardGrid(4, 7), before[7]);
            CheckPacked(b, { before[5], before[6] });
        }
    }

    void onlyPickedCardsLeave()
    {
        TestBoard b;
        FullBoard(b);
        b.Pick({ b.g.CardGrid(1, 7), b.g.CardGrid(2, 7) });
        const CardId letGo = b.g.SelectedCards[1];
        SetPicked(b.cards, letGo, false);
        QCOMPARE(RemoveSelectedCards(b.g, b.cards).size(), size_t(1));
        QCOMPARE(b.g.CardGrid(2, 7), letGo);
        QVERIFY(!RemoveCardAndDrop(b.g, b.cards, 0));
    }

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
        QVERIFY(up.colGoneSound);
        // Column 2 first takes 3..5 (3 being empty too), then again 4..5.
        QCOMPARE(up.shifts.size(), size_t(5));
        QCOMPARE(up.shifts[3].from, 3);
        QCOMPARE(b.g.ActiveColumns, int16_t(3));
        QCOMPARE(b.g.CardGrid(2, 7), Card(4, Clubs));
        QCOMPARE(b.cards.Position(Card(5, Clubs)), CellPosition(b.g, 3, 7));

        // The last card of a column leaves with no drop; closing the rightmost column shifts nothing.
        b.Pick(Cards("5C"));
        const RemovalStep last = RemoveSelectedCards(b.g, b.cards).at(0);
        QCOMPARE(last.kind, RemovalCase::ColumnEmptied);
        QVERIFY(!last.dropSound());
        QCOMPARE(last.erase, QRect(CellPosition(b.g, 3, 7), QSize(71, 96)));
        up = CloseUpColumns(b.g, b.cards);
        QVERIFY(!up.colGoneSound && up.shifts.empty());
        QCOMPARE(b.g.ActiveColumns, int16_t(2));
    }

    void randomPlaysKeepColumnsPacked()
    {
        std::mt19937 rng(20240611);
        for (int game = 0; game < 40 && !QTest::currentTestFailed(); ++game) {
            TestBoard b;
            FullBoard(b);
            std::set<CardId> removed;
            while (b.g.CardsOnBoard > 0 && !QTest::currentTestFailed()) {
                // Up to five cards of the board, picked in random order; now and then one let go.
                std::vector<CardId> onBoard;
                for (int c = 1; c <= b.g.ActiveColumns; ++c)
                    for (int r = 1; r <= b.g.NumRows; ++r)
                        if (b.g.CardGrid(c, r) != 0)
                            onBoard.push_back(b.g.CardGrid(c, r));
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

    void pairTakenBack()
    {
        TestBoard b;
        b.Column(1, "2C 7C 7H");
        b.Column(2, "9D 5S");
        b.g.CardsOnBoard = 56;
        b.g.HandCounts[4] = 1;
        b.g.GameScore = 980;
        b.g.HandsMade = 1;
        const std::vector<CardId> watched = Cards("2C 7C 7H 9D 5S");
        const auto before = Snapshot(b, watched);
        UndoRecord record;
        QVERIFY(!RestoreUndoBoard(b.g, b.cards, record)); // nothing before the first play
        QCOMPARE(Snapshot(b, watched), before);

        QVERIFY(Play(b, record, Cards("7C 7H")));
        QCOMPARE(b.g.CardGrid(1, 7), Card(2, Clubs));
        QVERIFY(b.g.FeeWonBack);
        // A refused play in between leaves the record alone.
        QVERIFY(!Play(b, record, Cards("2C 5S")));
        QCOMPARE(b.g.SelectedCount, int16_t(2));

        const std::optional<UndoneLook> look = RestoreUndoBoard(b.g, b.cards, record);
        QVERIFY(look);
        QCOMPARE(Snapshot(b, watched), before);
        QCOMPARE(b.g.GameScore, 980);
        QVERIFY(!b.g.FeeWonBack && !look->ScoreGreen);
        QCOMPARE(b.g.HandsMade, int16_t(1));
        QCOMPARE(b.g.HandCounts[1], int16_t(0));
        // The pair's label goes back, the earlier straight's stays lit.
        const std::array<bool, 9> lit = { false, false, false, true, false, false, false, false, false };
        QCOMPARE(look->HandLabelLit, lit);
        QCOMPARE(b.g.CardsOnBoard, int16_t(56));
        // The picks of the moment are let go.
        QCOMPARE(b.g.SelectedCount, int16_t(0));
        QVERIFY(!IsPicked(b.cards, Card(2, Clubs)) && !IsPicked(b.cards, Card(5, Spades)));
        QCOMPARE(b.g.SelectedSlot[Card(5, Spades)], int16_t(0));

        // Played again, the hand wins the fee back again; a fee won back before
        // the hand stays won back through its undo.
        QVERIFY(Play(b, record, Cards("7C 7H")));
        QVERIFY(b.g.FeeWonBack);
        QVERIFY(RestoreUndoBoard(b.g, b.cards, record));
        QVERIFY(!b.g.FeeWonBack);
        b.g.GameScore = 1200;
        b.g.FeeWonBack = true;
        QVERIFY(Play(b, record, Cards("7C 7H")));
        QVERIFY(RestoreUndoBoard(b.g, b.cards, record)->ScoreGreen);
        QCOMPARE(b.g.GameScore, 1200);
    }

    void closedColumnsAndJokerComeBack()
    {
        TestBoard b;
        b.Column(1, "2C 3C");
        b.BottomRow(2, "9D 112 4H");
        b.g.CardsOnBoard = 56;
        const std::vector<CardId> watched = Cards("9D 112 4H");
        const auto before = Snapshot(b, watched);
        UndoRecord record;
        QVERIFY(Play(b, record, Cards("9D 112")));
        QCOMPARE(b.g.ActiveColumns, int16_t(2));
        QCOMPARE(b.g.CardGrid(2, 7), Card(4, Hearts));

        QVERIFY(RestoreUndoBoard(b.g, b.cards, record));
        QCOMPARE(Snapshot(b, watched), before);
        QCOMPARE(record.UndoGrid(3, 7), CardId(55)); // the joker is kept as 55
        QCOMPARE(b.g.CardsOnBoard, int16_t(56));
    }
};

QTEST_GUILESS_MAIN(TestRemoval)
#include "test_removal.moc"
