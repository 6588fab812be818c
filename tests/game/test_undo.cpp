#include "game/BoardHelper.h"
#include "game/CardState.h"
#include "game/Play.h"
#include "game/Removal.h"
#include "game/Selection.h"
#include "game/Undo.h"

#include <QTest>

namespace {
// Shows nothing: only whether the play was accepted is wanted.
struct Unseen final : PlayShow {
    bool accepted = false;
    void Picked(CardId, int) override { }
    void Dropped(CardId, int) override { }
    void Refused() override { }
    void ThirdMisplay() override { }
    void PlayNote(bool) override { }
    void RoyalDing() override { }
    void Score() override { }
    void HandAccepted(int, int) override { }
    void UndoEnabled() override { accepted = true; }
    void Removal(const RemovalStep&) override { }
    void ColumnsClosed(const CloseUp&, int) override { }
    void GameOver(GameEnd) override { }
    void ClockStarts() override { }
    void FeeWonBack() override { }
};

// A release that picks the cards and submits them; true when the play was accepted.
bool Play(TestBoard& b, UndoRecord& record, const std::vector<CardId>& picked)
{
    Unseen show;
    int misplays = 0;
    for (const CardId card : picked)
        PickForPlay(b.g, b.cards, card, misplays, show);
    if (SubmitPlay(b.g, b.cards, record, misplays, show))
        CloseRelease(b.g, show);
    return show.accepted;
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
        b.g.HandCounts[1] = 1;
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

        QVERIFY(RestoreUndoBoard(b.g, b.cards, record));
        QCOMPARE(Snapshot(b, watched), before);
        QCOMPARE(b.g.GameScore, 980);
        QVERIFY(!b.g.FeeWonBack);
        QCOMPARE(b.g.HandsMade, int16_t(1));
        QCOMPARE(b.g.HandCounts[1], int16_t(1));
        QCOMPARE(b.g.CardsOnBoard, int16_t(56));
        // The picks of the moment are let go.
        QCOMPARE(b.g.SelectedCount, int16_t(0));
        QVERIFY(!IsPicked(b.cards, Card(2, Clubs)) && !IsPicked(b.cards, Card(5, Spades)));
        QCOMPARE(b.g.SelectedSlot[Card(5, Spades)], int16_t(0));

        // A fee won back before the hand stays won back.
        b.g.GameScore = 1200;
        b.g.FeeWonBack = true;
        QVERIFY(Play(b, record, Cards("7C 7H")));
        QVERIFY(RestoreUndoBoard(b.g, b.cards, record));
        QCOMPARE(b.g.GameScore, 1200);
        QVERIFY(b.g.FeeWonBack);
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
