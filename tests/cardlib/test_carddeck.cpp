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
    }
}

} // namespace

class TestCardDeck : public QObject {
    Q_OBJECT

private slots:
    void identity()
    {
        // id, rank, suit
        for (const auto& [id, value, suit] : { std::array { 13, 13, 1 }, { 14, 1, 2 }, { 37, 11, 3 }, { 52, 13, 4 } }) {
            QCOMPARE(CardDeck::GetCardValue(id), value);
            QCOMPARE(CardDeck::GetCardSuit(id), suit);
        }
        // Jokers are known as jokers without having been dealt.
        for (int joker = 110; joker <= 113; ++joker)
            QVERIFY(CardDeck::GetCardValue(joker) >= 99);
    }

    void hitTestOnStrips()
    {
        CardDeck deck;
        const int w = CardDeck::kCardWidth;
        const int h = CardDeck::kCardHeight;
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

    void cardsOffTheBoardNeverFound()
    {
        CardDeck deck;
        deck.DealCard(7, -100, 0);
        QCOMPARE(deck.InitDrag(-50, 40), 0);
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

        // A reset table holds no card where a column lay.
        LayColumn(deck, { 1, 2, 3, 4, 5, 6, 7 }, kLeft);
        QVERIFY(deck.InitDrag(kLeft + 1, kTop + 1) != 0);
        deck.SetDefaultValues();
        QCOMPARE(deck.InitDrag(kLeft + 1, kTop + 6 * kRowStep + 1), 0);
    }
};

QTEST_MAIN(TestCardDeck)
#include "test_carddeck.moc"
