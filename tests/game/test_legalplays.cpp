#include "game/BoardHelper.h"
#include "game/Judge.h"
#include "game/LegalPlays.h"
#include "game/PlayOut.h"
#include "game/Selection.h"

#include <QTest>

#include <algorithm>
#include <map>
#include <random>
#include <set>
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
    std::vector<CardId> onBoard;
    for (int c = 1; c <= p.g.ActiveColumns; ++c)
        for (int r = 1; r <= p.g.NumRows; ++r)
            if (p.g.CardGrid(c, r) != 0)
                onBoard.push_back(p.g.CardGrid(c, r));
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

void CompareWithBruteForce(const Position& p)
{
    std::map<PlayKey, int> listed;
    for (const LegalPlay& play : LegalPlays(p.g, p.cards)) {
        const PlayKey key = KeyOf(play.cards, play.count);
        QVERIFY2(!listed.count(key), "a play is listed twice");
        listed[key] = play.points;
        QCOMPARE(play.points, play.handType == 0 ? 0 : int(p.g.HandPoints[play.handType]));
    }
    QCOMPARE(listed, BruteForce(p));
    // Listed in no particular order, the same plays.
    std::vector<LegalPlay> unordered;
    ListLegalPlays(p.g, p.cards, unordered, false);
    std::map<PlayKey, int> listedUnordered;
    for (const LegalPlay& play : unordered)
        listedUnordered[KeyOf(play.cards, play.count)] = play.points;
    QCOMPARE(listedUnordered.size(), unordered.size());
    QCOMPARE(listedUnordered, listed);
    // Asked for some kinds of play only, exactly the plays of those kinds.
    for (const PlayKinds kinds : { 1u << 0, 1u << 1, 1u << 2 | 1u << 6, 1u << 3 | 1u << 7, 1u << 4, 1u << 5,
             1u << 8 | 1u << 9, 1u << 9, kAllPlayKinds & ~1u, kAllPlayKinds & ~(1u << 1 | 1u << 0) }) {
        std::map<PlayKey, int> wanted;
        for (const auto& [key, points] : listed) {
            const auto play = std::find_if(
                unordered.begin(), unordered.end(), [&](const LegalPlay& l) { return KeyOf(l.cards, l.count) == key; });
            if ((kinds >> play->handType & 1u) != 0)
                wanted[key] = points;
        }
        std::vector<LegalPlay> some;
        ListLegalPlays(p.g, p.cards, some, false, kinds);
        std::map<PlayKey, int> listedSome;
        for (const LegalPlay& play : some)
            listedSome[KeyOf(play.cards, play.count)] = play.points;
        QCOMPARE(listedSome.size(), some.size());
        QCOMPARE(listedSome, wanted);
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
        b.Column(1, "2H 3H");
        b.Column(2, "5H 8H");
        b.Column(3, "9C");
        b.Column(4, "KH QS");
        b.Column(5, "110");
        b.Column(6, "111 4D");
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
