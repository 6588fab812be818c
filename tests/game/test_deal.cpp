// The deal: numbered boards, the lay-out, a replay of the same deal, the
// board's place in the window, the status line, and the deal laid out again
// for the par line.

#include "game/BoardHelper.h"
#include "game/CardCodes.h"
#include "game/Clock.h"
#include "game/DealNumber.h"
#include "game/ParView.h"
#include "game/PlayOut.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>

#include <tuple>

class TestDeal : public QObject {
    Q_OBJECT

private slots:
    // Deal numbers give fixed boards, pinned so that a change of generator or
    // shuffle shows: columns 1..8, top card first.
    void dealNumbers()
    {
        const auto board = [](uint32_t n) {
            QString codes;
            for (int k = 1; k <= 56; ++k)
                codes += QLatin1String(k == 1 ? "" : k % 7 == 1 ? "/" : " ") + CardCode(DealOrder(n)[k]);
            return codes;
        };
        QCOMPARE(board(1),
            QStringLiteral("5C AS 4S 9D 9S AC 6D/JS 8H 8S 4D 2C 6S 8C/JK QH 8D 3C 3H AH QC/KS 5S AD 2S KH 7H 4H/"
                           "2H JK 3D 6H JD QS 9H/3S 7C JH JK TH TD TS/5H JK KD 4C 9C QD JC/7S 5D 6C 2D KC 7D TC"));
        QCOMPARE(board(kLastDealNumber),
            QStringLiteral("JD KH 7C 2D 3C 6D AC/9H QC JK JK 9S QS KD/JK QH JK KC 5D 8C TS/5S 9D 2S 7S 8H JH 4D/"
                           "AD 3S 3H 6S 4C 2C 5C/7D AH 4H AS KS 4S 8S/6C TD TC 3D 9C 8D 2H/TH 7H 5H JS 6H JC QD"));

        // Numbers typed or drawn stay in range (the game window deals an asked-for number once).
        QVERIFY(DealNumberFor(0.0) == kFirstDealNumber && DealNumberFor(0.9999999999999999) == kLastDealNumber);
        QCOMPARE(ParseDealNumber(QStringLiteral(" 4294967295 ")), std::optional<uint32_t>(kLastDealNumber));
        for (const char* bad : { "0", "4294967296", "-3", "12x", "", "1.5" })
            QVERIFY2(!ParseDealNumber(QString::fromLatin1(bad)), bad);
    }

    // A play's line names its cards and hand. While two jokers or more lie on
    // the board, each joker of the play is placed by its column and its place
    // from the bottom, which is where it lies after earlier plays dropped the
    // cards; the last joker goes unplaced.
    void playLinesPlaceTheirJokers()
    {
        Position p = DealtPosition(1);
        // The two lowest tens of column 6 first: the joker above them drops two places.
        const auto tens = [](const LegalPlay& play) {
            return play.count == 2 && CardCode(play.cards[0]) + CardCode(play.cards[1]) == QLatin1String("TDTS");
        };
        const auto plays = LegalPlays(p.g, p.cards);
        const auto pair = std::find_if(plays.begin(), plays.end(), tens);
        QVERIFY(pair != plays.end());
        QCOMPARE(PlayLine(p.g, p.cards, *pair), QStringLiteral("TD TS  1 Pair"));
        QVERIFY(MakePlay(p, *pair));
        const QRegularExpression place(
            QStringLiteral("^JK  \\(JK in column (\\d), (\\d)(st|nd|rd|th) from the bottom\\)$"));
        const auto loneJoker = [&p] { // a joker alone is always a play
            const auto now = LegalPlays(p.g, p.cards);
            const auto lone = std::find_if(now.begin(), now.end(), [](const LegalPlay& x) { return x.count == 1; });
            return lone != now.end() ? *lone : LegalPlay {};
        };
        for (int jokersLeft = 4; jokersLeft > 1; --jokersLeft) {
            const LegalPlay lone = loneJoker();
            const QRegularExpressionMatch at = place.match(PlayLine(p.g, p.cards, lone));
            QVERIFY2(at.hasMatch(), qPrintable(PlayLine(p.g, p.cards, lone)));
            QCOMPARE(p.g.CardGrid(at.captured(1).toInt(), p.g.NumRows + 1 - at.captured(2).toInt()), lone.cards[0]);
            QVERIFY(MakePlay(p, lone));
        }
        QCOMPARE(PlayLine(p.g, p.cards, loneJoker()), QStringLiteral("JK"));
    }

    // Deck(1..56) fills the columns top to bottom, every fourth card with a
    // sound, the ids the jokers replaced out of sight; a replay of the same
    // deal lays the same board at the same places. The board's origin in the window.
    void layOutAndSameDeal()
    {
        TestBoard b;
        b.g.BoardWidth = 800;
        b.g.BoardHeight = 700;
        b.g.NextDealNumber = 777;
        CardGridArray first;
        for (const bool replay : { false, true }) {
            b.g.SameDeal = replay;
            ResetForDeal(b.g);
            PrepareDeck(b.g, b.cards);
            QCOMPARE(ArrangeDeck(b.g), !replay);
            if (!replay)
                ComputeBoardOrigin(b.g, 30, 25, 41);
            const auto placements = LayOutBoard(b.g, b.cards);
            QCOMPARE(std::count_if(placements.begin(), placements.end(), [](auto& p) { return p.dealSound; }), 14);
            QVERIFY(b.g.CardsOnBoard == 56 && b.g.ActiveColumns == 8 && b.g.SavedDeck == b.g.Deck);
            QVERIFY(!b.g.SameDeal && b.g.DealNumber == 777u && !IsOnBoard(b.cards, 53));
            QVERIFY(!ClockRuns(b.g)); // it starts with the first hand
            for (int c = 1; c <= 8; ++c) {
                QCOMPARE(b.g.ColumnCardCount[c], int16_t(7));
                for (int r = 1; r <= 7; ++r) {
                    const CardId card = b.g.CardGrid(c, r);
                    QCOMPARE(card, b.g.Deck[(c - 1) * 7 + r]);
                    QCOMPARE(b.cards.Position(card), QPoint(b.g.BoardLeft + c * 71, b.g.BoardTop + r * 50));
                    QVERIFY(ColumnOf(b.cards, card) == c && RowOf(b.cards, card) == r);
                }
            }
            if (replay)
                QCOMPARE(b.g.CardGrid, first);
            first = b.g.CardGrid;
        }
        // Half a pixel goes to the even side: widths 799 and 801 leave 44.5 and 45.5,
        // heights 700 and 698 leave (700 - 30 - 36 + 41 - 396) / 2 - 50 = 89.5 and 88.5.
        for (const auto& [width, height, left, top] : { std::tuple { 799, 700, 44, 90 }, { 801, 698, 46, 88 } }) {
            b.g.BoardWidth = static_cast<int16_t>(width);
            b.g.BoardHeight = static_cast<int16_t>(height);
            ComputeBoardOrigin(b.g, 30, 24, 41);
            QVERIFY(b.g.BoardLeft == left && b.g.BoardTop == top);
        }
    }

    // The average is rounded half to even, and left out before the first game.
    void playerStatusLine()
    {
        const QString head = QStringLiteral("Player: Ann     Bankroll: ");
        GameState g;
        g.PlayerName = QStringLiteral("Ann");
        for (const auto& [bankroll, games, line] :
            { std::tuple { 2000, 0, "$2,000     Average Score: $0" }, { 5, 2, "$5     Average Score: $2" },
                { 7, 2, "$7     Average Score: $4" }, { -1, 2, "-$1     Average Score: $0" }, { -1500, 1, "-$1,500" },
                { 40000, 1, "$40,000     Average Score: $40,000" } }) {
            g.Bankroll = bankroll;
            g.GamesPlayed = games;
            QCOMPARE(PlayerStatusLine(g), head + QLatin1String(line));
        }
    }

    // After a game of deal 77 on a small screen's board, the deal is laid out
    // again on that board, fresh, the player and records as they were; the
    // par dialog puts par beside the player's score.
    void parOfTheDeal()
    {
        Position p = DealtPosition(77);
        p.g.RowStep = 38;
        p.g.BoardLeft = 37;
        p.g.BoardTop = 55;
        p.g.PlayerName = QStringLiteral("Tester");
        p.g.Bankroll = 1234;
        p.g.TopTen[1] = { QStringLiteral("Ann"), 9000 };
        // As a game leaves it: cards gone, a pick, a score, the fee won back, the game over.
        p.g.CardGrid(6, 7) = p.g.CardGrid(2, 7) = 0;
        p.g.CardsOnBoard = 54;
        p.g.GameScore = p.g.HandsMade = p.g.SelectedCount = 1;
        p.g.FeeWonBack = true;
        p.g.GameInProgress = false;
        p.g.ScoreboardPending = true;
        const Position shown = DealAgainForShow(p.g, CardDeck());
        const GameState& g = shown.g;
        QCOMPARE(g.CardGrid, DealtPosition(77).g.CardGrid);
        QVERIFY(g.CardsOnBoard == 56 && g.GameScore == 0 && g.HandsMade == 0 && g.SelectedCount == 0);
        QVERIFY(g.GameInProgress && !g.ScoreboardPending && !g.FeeWonBack);
        QCOMPARE(shown.cards.Position(g.CardGrid(3, 5)), CellPosition(g, 3, 5));
        QVERIFY(g.PlayerName == p.g.PlayerName && g.Bankroll == p.g.Bankroll && g.TopTen == p.g.TopTen);

        // The par beside the player's score, and what the dialog says of the two.
        const auto text = [](int32_t yours, bool proven) { return ParText({ 123456, 9975, yours, proven, {} }); };
        QVERIFY(text(7450, false).startsWith(QStringLiteral("Par of deal 123456: $9,975\nYour score: $7,450\n\n")));
        QVERIFY(!text(7450, false).contains(QStringLiteral("beat"))
            && !text(7450, false).contains(QStringLiteral("can score more")));
        QVERIFY(text(9975, true).contains(QStringLiteral("You matched par.")));
        QVERIFY(text(9975, true).endsWith(QStringLiteral("No game of this deal can score more.")));
        // A game better than what the search found in its time is told so, not hidden.
        QVERIFY(text(10100, false).contains(QStringLiteral("You beat the best game the search found")));
    }
};

QTEST_GUILESS_MAIN(TestDeal)
#include "test_deal.moc"
