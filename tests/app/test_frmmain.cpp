// The game window driven as a player drives it: clicks on cards, right-button
// submissions, menu commands; message boxes answered by the test.

#include "app/frmMain.h"
#include "cardlib/CardDeck.h"
#include "game/GameState.h"
#include "support/WindowTest.h"
#include "ui/Panel3D.h"

#include <QAction>
#include <QToolButton>

namespace {
// Card ids: clubs 1..13, diamonds 14..26, hearts 27..39, spades 40..52.
constexpr CardId Clubs(int rank)
{
    return static_cast<CardId>(rank);
}
constexpr CardId Diamonds(int rank)
{
    return static_cast<CardId>(13 + rank);
}

QPoint CardCentre(int column, int row)
{
    const GameState& g = Game();
    const int x = g.BoardLeft + column * g.CardWidth + g.CardWidth / 2;
    const int y = g.BoardTop + row * g.RowStep + (row == g.NumRows ? g.CardHeight / 2 : g.RowStep / 2);
    return { x, y };
}

QColor SurfacePixel(frmMain& w, QPoint at)
{
    const QImage img = w.Surface().Pixmap().toImage();
    return img.pixelColor(at * w.Surface().Pixmap().devicePixelRatio());
}
} // namespace

class TestFrmMain : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> data_;
    std::unique_ptr<frmMain> w_;

    // Deals the deck in identity order with 7 of diamonds swapped to column 2,
    // row 7, so 7 of clubs (column 1, row 7) and 7 of diamonds make a pair.
    void DealKnownBoard()
    {
        GameState& g = Game();
        std::array<CardId, kDeckSize + 1> deck {};
        for (int k = 1; k <= 52; ++k)
            deck[k] = static_cast<CardId>(k);
        for (int k = 53; k <= 56; ++k)
            deck[k] = static_cast<CardId>(kFirstJokerId + k - 53);
        std::swap(deck[14], deck[20]);
        g.SavedDeck = deck;
        g.SameDeal = true;
        w_->DealBoard();
    }

    void Click(Qt::MouseButton button, QPoint at) { QTest::mouseClick(w_->Board(), button, {}, at); }

private slots:
    void init()
    {
        data_ = test::IsolateData();
        Game() = GameState {};
        Game().ProgramName = QStringLiteral("Solitaire Quibel");
        w_ = std::make_unique<frmMain>();
        w_->PrepareWindow();
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
        GameState& g = Game();
        g.PlayerName = QStringLiteral("Tester");
        g.Bankroll = 5000;
        g.GamesPlayed = 4;
        w_->NewGame();
        DealKnownBoard();
    }

    void cleanup()
    {
        w_.reset();
        data_.reset();
    }

    void toolbarStandsInItsOrderWithItsHoverTexts()
    {
        const std::array<int, 8> order = { 7, 1, 0, 3, 2, 6, 4, 5 };
        for (int i = 1; i < 8; ++i)
            QVERIFY(w_->Command3D2[order[i - 1]]->x() < w_->Command3D2[order[i]]->x());
        const QStringList texts = { " High Scores ", " Player List ", " Undo Last Move ", " Game Stats ", " Hint ",
            " Help ", " Restart Game", " Pause Game " };
        for (int i = 0; i < 8; ++i) {
            QTest::mouseMove(w_->Command3D2[i], QPoint(5, 5));
            QTRY_COMPARE(w_->pnlToolbarCaption->Caption(), texts[i]);
        }
        Game().GameInProgress = false;
        QTest::mouseMove(w_->Command3D2[6], QPoint(6, 6));
        QTRY_COMPARE(w_->pnlToolbarCaption->Caption(), QStringLiteral(" Start New Game"));
    }

    void handLabelsCarryNameAndPoints()
    {
        QCOMPARE(w_->lblHand[0]->Caption(), QStringLiteral("1 Pair\r$50"));
        QCOMPARE(w_->lblHand[8]->Caption(), QStringLiteral("Royal Flush\r$2,000"));
        QVERIFY(w_->lblHand[7]->sizeHint().width() <= w_->lblHand[7]->width());
    }

    void newGameChargesTheFeeAndDealsAFullBoard()
    {
        const GameState& g = Game();
        QCOMPARE(g.Bankroll, 4000);
        QCOMPARE(g.GamesPlayed, 5);
        QCOMPARE(g.CardsOnBoard, 56);
        QVERIFY(g.GameInProgress);
        QCOMPARE(w_->c_PlayerStatus->Caption(),
            QStringLiteral("Player: Tester     Bankroll: $4,000     Average Score: $800"));
        QCOMPARE(w_->lblTimer->Caption(), QStringLiteral("  Timer Bonus: $2,000  "));
        QVERIFY(!w_->ClockRunning());
    }

    void boardIsPaintedFromTheGrid()
    {
        const GameState& g = Game();
        // A card's plain margin is light; the table around the board is the dark gradient.
        const QPoint margin(Cards().GetCardX(Clubs(7)) + 6, Cards().GetCardY(Clubs(7)) + 75);
        QVERIFY(SurfacePixel(*w_, margin).lightness() > 200);
        const QPoint leftOfBoard(g.BoardLeft + g.CardWidth - 10, CardCentre(1, 7).y());
        QCOMPARE(SurfacePixel(*w_, leftOfBoard), w_->Surface().BackgroundAt(leftOfBoard.y()));
    }

    void pickAndDropRestoreThePicture()
    {
        const QPoint marker = QPoint(Cards().GetCardX(Clubs(7)) + 20, Cards().GetCardY(Clubs(7)) + 25);
        const QColor before = SurfacePixel(*w_, marker);
        Click(Qt::LeftButton, CardCentre(1, 7));
        QCOMPARE(Game().SelectedCount, int16_t(1));
        QCOMPARE(Cards().GetUser2(Clubs(7)), -1);
        QVERIFY(SurfacePixel(*w_, marker) != before);
        Click(Qt::LeftButton, CardCentre(1, 7));
        QCOMPARE(Game().SelectedCount, int16_t(0));
        QCOMPARE(SurfacePixel(*w_, marker), before);
    }

    void aPairLeavesTheBoardAndPays()
    {
        GameState& g = Game();
        Click(Qt::LeftButton, CardCentre(1, 7));
        Click(Qt::LeftButton, CardCentre(2, 7));
        Click(Qt::RightButton, CardCentre(5, 3));
        QCOMPARE(g.GameScore, 50);
        QCOMPARE(g.CardsOnBoard, int16_t(54));
        QCOMPARE(g.HandCounts[1], int16_t(1));
        QCOMPARE(g.CardGrid(1, 7), Clubs(6));
        QCOMPARE(g.CardGrid(1, 1), CardId(0));
        QCOMPARE(Cards().GetCardX(Clubs(7)), -100);
        QCOMPARE(w_->c_score->Caption(), QStringLiteral("Game:  $50"));
        QCOMPARE(w_->lblHand[0]->BackColor(), frmMain::kHandMade);
        QVERIFY(w_->ClockRunning());
        QVERIFY(w_->MenuFileUndo->isEnabled());
    }

    void handLabelsShowDefinitionsAndTakeOnlyTheRightButton()
    {
        Game().UseHandPopups = true;
        QTest::mouseMove(w_->lblHand[5], QPoint(10, 10));
        QTRY_VERIFY(w_->pnlHandDefinition->isVisible());
        QVERIFY(w_->pnlHandDefinition->Caption().startsWith(QStringLiteral("FULL HOUSE\r")));
        QTest::mouseMove(w_->Board(), CardCentre(4, 4));
        QTRY_VERIFY(!w_->pnlHandDefinition->isVisible());

        Click(Qt::LeftButton, CardCentre(1, 7));
        Click(Qt::LeftButton, CardCentre(2, 7));
        QTest::mouseClick(w_->lblHand[0], Qt::LeftButton);
        QCOMPARE(Game().CardsOnBoard, int16_t(56)); // a left click on a label plays nothing
        QTest::mousePress(w_->lblHand[0], Qt::RightButton);
        QTest::mouseRelease(w_->lblHand[0], Qt::RightButton);
        QCOMPARE(Game().CardsOnBoard, int16_t(54));
    }

    void aRefusedHandCountsTwoMisplaysAndKeepsThePicks()
    {
        test::MsgBoxRecorder boxes;
        Click(Qt::LeftButton, CardCentre(1, 7)); // 7 of clubs
        Click(Qt::LeftButton, CardCentre(1, 6)); // 6 of clubs
        Click(Qt::RightButton, CardCentre(4, 4));
        QCOMPARE(w_->MisplayCount, 2);
        QCOMPARE(Game().SelectedCount, int16_t(2));
        QCOMPARE(Game().CardsOnBoard, int16_t(56));
        QVERIFY(!w_->ClockRunning());
    }

    void undoPutsThePairBack()
    {
        GameState& g = Game();
        const CardGridArray before = g.CardGrid;
        Click(Qt::LeftButton, CardCentre(1, 7));
        Click(Qt::LeftButton, CardCentre(2, 7));
        Click(Qt::RightButton, CardCentre(5, 3));
        w_->MenuFileUndo->trigger();
        QVERIFY(g.CardGrid == before);
        QCOMPARE(g.GameScore, 0);
        QCOMPARE(g.CardsOnBoard, int16_t(56));
        QCOMPARE(w_->lblHand[0]->BackColor(), frmMain::kHandNormal);
        QVERIFY(!w_->MenuFileUndo->isEnabled());
    }

    void hintNamesTheJokersAndCostsTenSeconds()
    {
        test::MsgBoxRecorder boxes;
        w_->MenuViewHint->trigger();
        QCOMPARE(boxes.calls.size(), 1);
        QCOMPARE(boxes.calls[0].title, QStringLiteral("Game Hint"));
        QVERIFY(boxes.calls[0].text.startsWith(QStringLiteral("\u00bb You don't need a hint")));
        QCOMPARE(Game().ElapsedSeconds, 10);
    }

    void restartYesDealsTheSameBoardAtNoCost()
    {
        test::MsgBoxRecorder boxes;
        GameState& g = Game();
        Click(Qt::LeftButton, CardCentre(1, 7));
        Click(Qt::LeftButton, CardCentre(2, 7));
        Click(Qt::RightButton, CardCentre(5, 3));
        const auto deal = g.SavedDeck;
        boxes.answers = { vbYes };
        w_->MenuFileRestart->trigger();
        QCOMPARE(boxes.calls.size(), 1);
        QCOMPARE(boxes.calls[0].title, QStringLiteral("New Game or Same Deal?"));
        QCOMPARE(g.Bankroll, 4000);
        QCOMPARE(g.GamesPlayed, 5);
        QCOMPARE(g.CardsOnBoard, int16_t(56));
        QCOMPARE(g.CardGrid(1, 7), Clubs(7));
        QCOMPARE(g.CardGrid(2, 7), Diamonds(7));
        QVERIFY(g.SavedDeck == deal);
        QCOMPARE(g.ElapsedSeconds, 0);
    }

    void clockFollowsMinimisingOnlyAfterTheFirstHand()
    {
        w_->showMinimized();
        w_->showNormal();
        QVERIFY(!w_->ClockRunning()); // no hand made yet
        Click(Qt::LeftButton, CardCentre(1, 7));
        Click(Qt::LeftButton, CardCentre(2, 7));
        Click(Qt::RightButton, CardCentre(5, 3));
        QVERIFY(w_->ClockRunning());
        w_->showMinimized();
        QTRY_VERIFY(!w_->ClockRunning());
        w_->showNormal();
        QTRY_VERIFY(w_->ClockRunning());
    }

    void timerTicksDownTheBonus()
    {
        GameState& g = Game();
        g.ElapsedSeconds = 398;
        w_->Timer1_Timer();
        QCOMPARE(w_->lblTimer->Caption(), QStringLiteral("  Timer Bonus: $5  "));
        w_->Timer1_Timer();
        QCOMPARE(w_->lblTimer->Caption(), QStringLiteral("  Timer Bonus: NONE  "));
    }

    void closingDuringAGameAsksToForfeit()
    {
        test::MsgBoxRecorder boxes;
        boxes.answers = { vbNo };
        w_->close();
        QVERIFY(w_->isVisible());
        QCOMPARE(boxes.calls.size(), 1);
        QCOMPARE(boxes.calls[0].title, QStringLiteral("Exit Current Game?"));
        QVERIFY(Game().GameInProgress);
    }
};

QTEST_MAIN(TestFrmMain)
#include "test_frmmain.moc"
