#include "game/FiveCardHand.h"
#include "game/Judge.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <map>

class TestFiveCardHand : public QObject {
    Q_OBJECT

private slots:
    // Every five cards of the deck, judged as a submitted play is: each hand
    // type as often as five cards of a deck make it (a straight flush or royal
    // flush counted only as such, four of a kind and two pairs with a fifth
    // card making nothing), and in any order the same.
    void everyFiveCardsOfTheDeck()
    {
        std::map<int, int> made;
        std::array<CardId, 5> hand {};
        int reordered = 0;
        for (int a = 1; a <= 52; ++a)
            for (int b = a + 1; b <= 52; ++b)
                for (int c = b + 1; c <= 52; ++c)
                    for (int d = c + 1; d <= 52; ++d)
                        for (int e = d + 1; e <= 52; ++e) {
                            hand = { CardId(a), CardId(b), CardId(c), CardId(d), CardId(e) };
                            const HandJudgement j = JudgeHand(hand.data(), 5);
                            ++made[j.verdict == Verdict::Hand ? j.handType : 0];
                            if (j.verdict == Verdict::Hand && ++reordered % 7 == 0) {
                                std::reverse(hand.begin(), hand.end());
                                std::rotate(hand.begin(), hand.begin() + reordered % 5, hand.end());
                                QCOMPARE(FiveCardHandType(hand.data()), j.handType);
                            }
                        }
        const std::map<int, int> expected { { 0, 2598960 - 10200 - 5108 - 3744 - 36 - 4 }, { 4, 10200 }, { 5, 5108 },
            { 6, 3744 }, { 8, 36 }, { 9, 4 } };
        QCOMPARE(made, expected);
    }

    // The hands at the edges of the rules, and cards that are no ordinary card.
    void edges()
    {
        const auto type = [](std::array<CardId, 5> hand) { return FiveCardHandType(hand.data()); };
        constexpr CardId C = 0, D = 13, H = 26, S = 39; // add a rank 1..13
        QCOMPARE(type({ C + 1, D + 2, H + 3, S + 4, C + 5 }), 4); // the Ace low
        QCOMPARE(type({ C + 10, D + 11, H + 12, S + 13, C + 1 }), 4); // the Ace above the King
        QCOMPARE(type({ C + 11, D + 12, H + 13, S + 1, C + 2 }), 0); // no turning the corner
        QCOMPARE(type({ H + 1, H + 2, H + 3, H + 4, H + 5 }), 8);
        QCOMPARE(type({ H + 9, H + 10, H + 11, H + 12, H + 13 }), 8);
        QCOMPARE(type({ H + 13, H + 1, H + 10, H + 12, H + 11 }), 9);
        QCOMPARE(type({ C + 7, D + 7, H + 7, S + 2, C + 2 }), 6);
        QCOMPARE(type({ C + 7, D + 7, H + 7, S + 7, C + 2 }), 0);
        QCOMPARE(type({ C + 7, D + 7, H + 2, S + 2, C + 9 }), 0);
        QCOMPARE(type({ S + 2, S + 9, S + 4, S + 13, S + 7 }), 5);
        QCOMPARE(type({ S + 2, S + 9, S + 4, S + 13, 110 }), 0);
        QCOMPARE(type({ C + 7, D + 7, H + 7, S + 2, 0 }), 0);
    }
};

QTEST_GUILESS_MAIN(TestFiveCardHand)
#include "test_fivecardhand.moc"
