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
    // card making nothing, no straight turning the corner), and in any order
    // the same. The edges one by one are in the play's judgement table.
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
        // A joker or an empty slot among five makes nothing.
        for (std::array<CardId, 5> odd : { std::array<CardId, 5> { 41, 48, 43, 52, 110 }, { 7, 20, 33, 41, 0 } })
            QCOMPARE(FiveCardHandType(odd.data()), 0);
    }
};

QTEST_GUILESS_MAIN(TestFiveCardHand)
#include "test_fivecardhand.moc"
