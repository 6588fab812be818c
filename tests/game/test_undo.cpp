#include "game/BoardHelper.h"
#include "game/CardState.h"
#include "game/Play.h"
#include "game/Removal.h"
#include "game/Selection.h"
#include "game/ShowLog.h"
#include "game/Undo.h"

#include <QTest>

namespace {
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

class TestUndo : public QObject {
    Q_OBJECT

private slots:
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

QTEST_GUILESS_MAIN(TestUndo)
#include "test_undo.moc"
