#include "game/BoardHelper.h"
#include "game/Judge.h"
#include "game/LegalPlays.h"
#include "game/PlayOut.h"
#include "game/Selection.h"

#include <QTest>

#include <algorithm>
#include <iterator>
#include <map>
#include <random>
#include <vector>

namespace {
using PlayKey = std::vector<CardId>; // sorted cards

PlayKey KeyOf(const std::array<CardId, 5>& cards, int n)
{
    PlayKey key(cards.begin(), cards.begin() + n);
    std::sort(key.begin(), key.end());
    return key;
}

// Every set of one to five cards of the board, judged as a submission of the
// player would be: the adjacency rule, then the judgement on a copy of the game.
std::map<PlayKey, int> BruteForce(const Position& p)
{
    const std::vector<CardId> onBoard = OnBoard(p.g);
    std::map<PlayKey, int> found;
    std::array<CardId, 5> picked {};
    const int n = static_cast<int>(onBoard.size());
    const auto visit = [&](auto& self, int from, int size) -> void {
        if (size > 0 && CheckAdjacent(p.g, p.cards, picked).AdjacentLinks != 0) {
            GameState judged = p.g;
            judged.SelectedCards = picked;
            const Judgement j = JudgeSelection(judged);
            if (j.accepted())
                found[KeyOf(picked, size)] = j.points;
        }
        if (size == 5)
            return;
        for (int i = from; i < n; ++i) {
            picked[size] = onBoard[i];
            self(self, i + 1, size + 1);
            picked[size] = 0;
        }
    };
    visit(visit, 0, 0);
    return found;
}

// The plays listed, by their cards; no play listed twice.
std::map<PlayKey, int> Listed(const std::vector<LegalPlay>& plays)
{
    std::map<PlayKey, int> listed;
    for (const LegalPlay& play : plays)
        listed[KeyOf(play.cards, play.count)] = play.points;
    if (listed.size() != plays.size())
        QTest::qFail("a play is listed twice", __FILE__, __LINE__);
    return listed;
}

void CompareWithBruteForce(const Position& p)
{
    const std::vector<LegalPlay> ordered = LegalPlays(p.g, p.cards);
    for (const LegalPlay& play : ordered) // the kind of hand a play makes, told by what it pays
        QCOMPARE(play.points, play.handType == 0 ? 0 : int(p.g.HandPoints[play.handType]));
    const std::map<PlayKey, int> listed = Listed(ordered);
    QCOMPARE(listed, BruteForce(p));
    // Listed in no particular order, the same plays; asked for some kinds of
    // play only, exactly the plays of those kinds.
    std::vector<LegalPlay> unordered;
    ListLegalPlays(p.g, p.cards, unordered, false);
    QCOMPARE(Listed(unordered), listed);
    for (const PlayKinds kinds : { 1u << 0, 1u << 1, 1u << 2 | 1u << 6, 1u << 3 | 1u << 7, 1u << 4, 1u << 5,
             1u << 8 | 1u << 9, 1u << 9, kAllPlayKinds & ~1u, kAllPlayKinds & ~(1u << 1 | 1u << 0) }) {
        std::vector<LegalPlay> wanted;
        std::copy_if(ordered.begin(), ordered.end(), std::back_inserter(wanted),
            [kinds](const LegalPlay& play) { return (kinds >> play.handType & 1u) != 0; });
        std::vector<LegalPlay> some;
        ListLegalPlays(p.g, p.cards, some, false, kinds);
        QCOMPARE(Listed(some), Listed(wanted));
    }
}
} // namespace

class TestLegalPlays : public QObject {
    Q_OBJECT

private slots:
    void fullBoardsMatchEverySetOfUpToFiveCards()
    {
        for (const uint32_t deal : { 1u, 11982u, 4294967295u })
            CompareWithBruteForce(DealtPosition(deal));
    }

    void boardsInPlayMatchEverySetOfUpToFiveCards()
    {
        // Random games, compared at every few plays, down to their last cards.
        std::mt19937 random(2024);
        for (uint32_t deal = 100; deal < 112; ++deal) {
            Position p = DealtPosition(deal);
            for (int move = 0; p.g.CardsOnBoard > 0; ++move) {
                const auto plays = LegalPlays(p.g, p.cards);
                if (plays.empty())
                    break;
                if (move % 4 == 3 && p.g.CardsOnBoard <= 40)
                    CompareWithBruteForce(p);
                QVERIFY(MakePlay(p, plays[random() % plays.size()]));
            }
        }
    }

    void unconnectedAndJokerPlays()
    {
        TestBoard b;
        // A 2 x 2 block of Hearts and a fifth Heart far off make a flush; the
        // joker of the bottom row takes the far 9C; the joker above row 7 goes
        // alone or with a neighbour only.
        b.Lay("2H 3H|5H 8H|9C|KH QS|110|111 4D");
        Position p { b.g, b.cards };
        const auto plays = LegalPlays(p.g, p.cards);
        const auto has = [&](const char* text) {
            std::vector<CardId> want = Cards(text);
            std::sort(want.begin(), want.end());
            return std::any_of(plays.begin(), plays.end(),
                [&](const LegalPlay& play) { return KeyOf(play.cards, play.count) == want; });
        };
        QVERIFY(has("2H 3H 5H 8H KH"));
        QVERIFY(has("110 9C") && has("110 2H") && has("110 111"));
        QVERIFY(has("111 4D") && has("111") && !has("111 9C"));
        QCOMPARE(plays.front().handType, 5); // a flush pays most here
        QCOMPARE(plays.back().handType, 0);
        CompareWithBruteForce(p);
    }
};

QTEST_GUILESS_MAIN(TestLegalPlays)
#include "test_legalplays.moc"
