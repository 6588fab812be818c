#include "cardlib/CardDeck.h"

#include <QGuiApplication>
#include <QTest>

namespace {

constexpr int kRowStep = 20;
constexpr int kLeft = 10;
constexpr int kTop = 30;

// One column of seven cards as the deal lays it: ids top to bottom, each row
// kRowStep lower than the one above; every card but the last is covered.
void LayColumn(CardDeck& deck, const std::array<int, 7>& ids, int x)
{
    for (int row = 0; row < 7; ++row) {
        deck.DealCard(ids[row], -100, 0);
        deck.SetCardX(ids[row], x);
        deck.SetCardY(ids[row], kTop + row * kRowStep);
        deck.AdjustCardBlocked(ids[row], row < 6);
    }
}

} // namespace

class TestCardDeck : public QObject {
    Q_OBJECT

private slots:
    void identity_data();
    void identity();
    void wholeDeckAndJokers();
    void userValues();
    void hitTestOnStrips();
    void parkedCardsNeverFound();
    void emptyTable();
};

void TestCardDeck::identity_data()
{
    QTest::addColumn<int>("card");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("suit");
    QTest::newRow("ace of clubs") << 1 << 1 << 1;
    QTest::newRow("king of clubs") << 13 << 13 << 1;
    QTest::newRow("ace of diamonds") << 14 << 1 << 2;
    QTest::newRow("jack of hearts") << 37 << 11 << 3;
    QTest::newRow("queen of spades") << 51 << 12 << 4;
    QTest::newRow("king of spades") << 52 << 13 << 4;
}

void TestCardDeck::identity()
{
    QFETCH(int, card);
    QFETCH(int, value);
    QFETCH(int, suit);
    QCOMPARE(CardDeck::GetCardValue(card), value);
    QCOMPARE(CardDeck::GetCardSuit(card), suit);
}

void TestCardDeck::wholeDeckAndJokers()
{
    // Every ordinary card: a rank 1..13, each suit holding all thirteen ranks once.
    std::array<std::array<int, 14>, 5> seen {};
    for (int id = 1; id <= 52; ++id) {
        const int v = CardDeck::GetCardValue(id);
        const int s = CardDeck::GetCardSuit(id);
        QVERIFY(v >= 1 && v <= 13);
        QVERIFY(s >= 1 && s <= 4);
        ++seen[s][v];
    }
    for (int s = 1; s <= 4; ++s)
        for (int v = 1; v <= 13; ++v)
            QCOMPARE(seen[s][v], 1);

    // Jokers are known as jokers without having been dealt.
    for (int joker = 110; joker <= 113; ++joker)
        QVERIFY(CardDeck::GetCardValue(joker) >= 99);
    // No card: not a rank of the board and not a joker.
    QVERIFY(CardDeck::GetCardValue(0) < 1 || CardDeck::GetCardValue(0) > 13);
    QVERIFY(CardDeck::GetCardValue(0) < 99);
}

void TestCardDeck::userValues()
{
    CardDeck deck;
    QCOMPARE(deck.InitializeDeck() != 0, true);
    deck.SetUser2(5, -1);
    deck.SetUser3(5, 4);
    deck.SetUser4(5, 7);
    deck.SetUser3(112, 8);
    QCOMPARE(deck.GetUser2(5), -1);
    QCOMPARE(deck.GetUser3(5), 4);
    QCOMPARE(deck.GetUser4(5), 7);
    QCOMPARE(deck.GetUser3(112), 8);
    QCOMPARE(deck.GetUser2(6), 0);
    QCOMPARE(deck.GetUser2(112), 0);

    // Ids outside the deck are ignored, and id 0 never reads as a board cell.
    deck.SetUser3(0, 3);
    deck.SetUser4(-1, 3);
    deck.SetUser2(CardDeck::kMaxId + 1, 3);
    QCOMPARE(deck.GetUser3(0), 0);
    QCOMPARE(deck.GetUser4(-1), 0);
    QCOMPARE(deck.GetUser2(CardDeck::kMaxId + 1), 0);

    deck.SetCardX(5, 40);
    deck.AdjustCardBlocked(5, true);
    QVERIFY(deck.IsCardBlocked(5));
    deck.SetDefaultValues();
    QCOMPARE(deck.GetUser2(5), 0);
    QCOMPARE(deck.GetUser4(5), 0);
    QCOMPARE(deck.GetUser3(112), 0);
    QCOMPARE(deck.GetCardX(5), 0);
    QVERIFY(!deck.IsCardBlocked(5));
}

void TestCardDeck::hitTestOnStrips()
{
    CardDeck deck;
    deck.InitializeDeck();
    deck.SetOffSet(kRowStep);
    const int w = deck.CardWidth();
    const int h = deck.CardHeight();
    const std::array<int, 7> left { 1, 14, 27, 40, 110, 2, 15 };
    const std::array<int, 7> right { 3, 16, 29, 42, 111, 4, 17 };
    LayColumn(deck, left, kLeft);
    LayColumn(deck, right, kLeft + w);

    for (int row = 0; row < 7; ++row) {
        const int top = kTop + row * kRowStep;
        QCOMPARE(deck.InitDrag(kLeft, top), left[row]);
        QCOMPARE(deck.InitDrag(kLeft + w - 1, top + kRowStep - 1), left[row]);
        QCOMPARE(deck.InitDrag(kLeft + w, top), right[row]);
    }
    // The bottom card answers on its whole face, down to its last pixel row.
    const int bottomTop = kTop + 6 * kRowStep;
    QCOMPARE(deck.InitDrag(kLeft + 30, bottomTop + h / 2), left[6]);
    QCOMPARE(deck.InitDrag(kLeft + 30, bottomTop + h - 1), left[6]);
    QCOMPARE(deck.InitDrag(kLeft + 30, bottomTop + h), 0);
    QCOMPARE(deck.InitDrag(kLeft + 30, kTop - 1), 0);
    QCOMPARE(deck.InitDrag(kLeft - 1, kTop + 5), 0);
    QCOMPARE(deck.InitDrag(kLeft + 2 * w, kTop + 5), 0);

    // Once the bottom card leaves, the card above it shows whole.
    deck.SetCardX(left[6], -100);
    deck.SetCardY(left[6], -100);
    QCOMPARE(deck.InitDrag(kLeft + 30, bottomTop + 5), left[5]);
    QCOMPARE(deck.InitDrag(kLeft + 30, kTop + 5 * kRowStep + h - 1), left[5]);
    QCOMPARE(deck.InitDrag(kLeft + 30, kTop + 5 * kRowStep + h), 0);
}

void TestCardDeck::parkedCardsNeverFound()
{
    CardDeck deck;
    deck.InitializeDeck();
    // Dealt out of sight: nowhere on the window.
    deck.DealCard(7, -100, 0);
    QCOMPARE(deck.InitDrag(-100, 0), 0);
    QCOMPARE(deck.InitDrag(-50, 40), 0);
    QCOMPARE(deck.InitDrag(1, 1), 0);
    // A card at x = 0 is off the board even though it would overlap the window.
    deck.SetCardX(7, 0);
    deck.SetCardY(7, 0);
    QCOMPARE(deck.InitDrag(5, 5), 0);
    deck.SetCardX(7, 1);
    QCOMPARE(deck.InitDrag(5, 5), 7);
    // Parked after its removal, even over a spot where it once lay.
    deck.SetCardX(7, -100);
    deck.SetCardY(7, -100);
    QCOMPARE(deck.InitDrag(5, 5), 0);
    QCOMPARE(deck.InitDrag(-70, -70), 0);
    QVERIFY(deck.GetCardX(7) <= 0);
}

void TestCardDeck::emptyTable()
{
    CardDeck deck;
    deck.InitializeDeck();
    QCOMPARE(deck.InitDrag(0, 0), 0);
    QCOMPARE(deck.InitDrag(100, 100), 0);
    LayColumn(deck, { 1, 2, 3, 4, 5, 6, 7 }, kLeft);
    QVERIFY(deck.InitDrag(kLeft + 1, kTop + 1) != 0);
    deck.SetDefaultValues();
    QCOMPARE(deck.InitDrag(kLeft + 1, kTop + 1), 0);
    QCOMPARE(deck.InitDrag(kLeft + 1, kTop + 6 * kRowStep + 1), 0);
}

QTEST_MAIN(TestCardDeck)
#include "test_carddeck.moc"
