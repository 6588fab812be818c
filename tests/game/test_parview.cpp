// Par as the game window offers it: when it can be asked for, the player's
// score in the same measure, the dialog's text, and the deal laid out again
// so the par line plays on the window's own board.

#include "game/Deal.h"
#include "game/DealNumber.h"
#include "game/ParSolver.h"
#include "game/ParView.h"
#include "game/PlayOut.h"
#include "game/Settlement.h"

#include <QTest>

namespace {
// A game of deal n played to its end, always taking the first play listed,
// on a board placed and sized as a small screen's window places it.
GameState EndedGame(uint32_t dealNumber)
{
    Position p = DealtPosition(dealNumber);
    p.g.RowStep = 38;
    p.g.BoardLeft = 37;
    p.g.BoardTop = 55;
    PrepareDeck(p.g, p.cards);
    ShuffleDeckNumbered(p.g, dealNumber);
    LayOutBoard(p.g, p.cards);
    p.g.PlayerName = QStringLiteral("Tester");
    p.g.Bankroll = 1234;
    p.g.GamesPlayed = 7;
    p.g.TopTen[1] = { QStringLiteral("Ann"), 9000 };
    p.g.TopTenRows = 1;
    while (GameGoesOn(p))
        MakePlay(p, LegalPlays(p.g, p.cards).front());
    p.g.GameInProgress = false;
    return p.g;
}
} // namespace

class TestParView : public QObject {
    Q_OBJECT

private slots:
    void theDealIsLaidOutAgainOnTheWindowsBoard()
    {
        const GameState ended = EndedGame(77);
        CardDeck deck;
        const Position shown = DealAgainForShow(ended, deck);
        const GameState& g = shown.g;
        QCOMPARE(g.CardGrid, DealtPosition(77).g.CardGrid);
        QVERIFY(g.CardsOnBoard == 56 && g.GameScore == 0 && g.HandsMade == 0 && g.SelectedCount == 0);
        QVERIFY(g.GameInProgress && !g.ScoreboardPending && !g.FeeWonBack);
        // The window's board, and the player and records as they were.
        QCOMPARE(shown.cards.Position(g.CardGrid(3, 5)), CellPosition(g, 3, 5));
        QVERIFY(g.PlayerName == ended.PlayerName && g.Bankroll == ended.Bankroll && g.TopTen == ended.TopTen);
    }

    void theTextPutsParBesideYourScore()
    {
        ParReport r;
        r.dealNumber = 123456;
        r.par = 9975;
        r.yours = 7450;
        QString text = ParText(r);
        QVERIFY(text.startsWith(QStringLiteral("Par of deal 123456: $9,975\nYour score: $7,450\n\n")));
        QVERIFY(!text.contains(QStringLiteral("beat")) && !text.contains(QStringLiteral("can score more")));

        r.yours = 9975;
        r.proven = true;
        text = ParText(r);
        QVERIFY(text.contains(QStringLiteral("You matched par.")));
        QVERIFY(text.endsWith(QStringLiteral("No game of this deal can score more.")));

        // A game better than what the search found in its time is told so, not hidden.
        r.yours = 10100;
        r.proven = false;
        QVERIFY(ParText(r).contains(QStringLiteral("You beat the best game the search found")));
    }
};

QTEST_GUILESS_MAIN(TestParView)
#include "test_parview.moc"
