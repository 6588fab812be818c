// The game window driven as a player drives it: clicks on cards, right-button
// submissions, menu commands; message boxes answered by the test.

#include "app/frmMain.h"
#include "cardlib/CardDeck.h"
#include "game/GameState.h"
#include "game/Removal.h"
#include "recordwindows/frmGameStats.h"
#include "recordwindows/frmScoreboard.h"
#include "recordwindows/frmTopTen.h"
#include "support/WindowTest.h"
#include "ui/Panel3D.h"
#include "ui/SoundNames.h"
#include "ui/frmExample.h"
#include "ui/frmInstructions.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QPushButton>
#include <QToolButton>

#include <numeric>

namespace {
constexpr CardId kSevenOfClubs = 7;
constexpr CardId kSevenOfDiamonds = 20;

} // namespace

class TestFrmMain : public QObject {
    Q_OBJECT

    test::GameWindow w_;

    // Deals the deck in identity order with 7 of diamonds swapped to column 2,
    // row 7, so 7 of clubs (column 1, row 7) and 7 of diamonds make a pair.
    void DealKnownBoard()
    {
        GameState& g = Game();
        std::array<CardId, kDeckSize + 1> deck {};
        std::iota(deck.begin() + 1, deck.begin() + 53, CardId(1));
        std::iota(deck.begin() + 53, deck.end(), CardId(kFirstJokerId));
        std::swap(deck[14], deck[20]);
        g.SavedDeck = deck;
        g.SameDeal = true;
        w_->DealBoard();
    }

    void Click(Qt::MouseButton button, QPoint at) { QTest::mouseClick(w_->Board(), button, {}, at); }

    void PlayThePair()
    {
        Click(Qt::LeftButton, test::CardCentre(1, 7));
        Click(Qt::LeftButton, test::CardCentre(2, 7));
        Click(Qt::RightButton, test::CardCentre(5, 3));
    }

    // Takes every card but the two sevens of the pair off the board, so the
    // pair is the last play of the game.
    void LeaveOnlyThePair()
    {
        for (int id = 1; id <= kDeckSize; ++id) {
            const CardId card = Game().Deck[id];
            if (card != kSevenOfClubs && card != kSevenOfDiamonds)
                Cards().SetCardX(card, -100);
        }
    }

    void CheckInGameCommands(bool enabled)
    {
        for (QAction* a : { w_->MenuFileUndo, w_->MenuViewHint, w_->MenuFilePauseGame, w_->MenuFileRestart })
            QCOMPARE(a->isEnabled(), enabled);
        for (const ToolbarButton button : kInGameToolbarButtons)
            QCOMPARE(w_->Toolbar(button)->isEnabled(), enabled);
    }

    // Plays the pair as the last play of a won game that clears the board and
    // closes the scoreboard (and the top ten, when it follows) once they let go.
    bool WinWithThePair()
    {
        GameState& g = Game();
        g.GameScore = 990;
        LeaveOnlyThePair();
        g.CardsOnBoard = 2;
        bool scoreboardShown = false;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (auto* t = test::VisibleWindow<frmTopTen>())
                t->btnOK->click();
            if (auto* s = test::VisibleWindow<frmScoreboard>()) {
                scoreboardShown = true;
                finalScoreShown_ = s->pnlFinalScore->Caption();
                if (s->btnClose->isVisible())
                    s->btnClose->click(); // does nothing until the count is over
            }
        });
        closer.start(5);
        PlayThePair();
        return scoreboardShown;
    }

    // From here on every sound of the play would wait about a minute, and no
    // pause waits at all: with sound off a game must go by at once. Window
    // motion sounds whatever the setting, so its sounds are left out.
    void EverySoundWaitsLong()
    {
        GameState& g = Game();
        sounds_ = std::make_unique<QTemporaryDir>();
        double shortest = 1.0;
        const QDir from(g.AppFolder);
        for (const QString& wav : from.entryList({ QStringLiteral("*.wav") }, QDir::Files)) {
            if (wav.compare(SoundFile::ClickBg, Qt::CaseInsensitive) == 0
                || wav.compare(SoundFile::Message2, Qt::CaseInsensitive) == 0)
                continue;
            QVERIFY(QFile::copy(from.filePath(wav), sounds_->filePath(wav)));
            const double seconds = WavDurationSeconds(from.filePath(wav));
            if (seconds > 0)
                shortest = std::min(shortest, seconds);
        }
        QVERIFY(!QDir(sounds_->path()).isEmpty());
        g.AppFolder = sounds_->path() + QLatin1Char('/');
        SetPausesSkipped(true);
        SetTimeScale(60.0 / shortest);
    }

    QString finalScoreShown_;
    std::unique_ptr<QTemporaryDir> sounds_;

    QColor SurfacePixel(QPoint at)
    {
        const QPixmap& pixmap = w_->Surface().Pixmap();
        return pixmap.toImage().pixelColor(at * pixmap.devicePixelRatio());
    }

private slots:
    void init()
    {
        w_.Open(QStringLiteral("Tester"));
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
        Game().Bankroll = 5000;
        Game().GamesPlayed = 4;
        w_->NewGame();
        DealKnownBoard();
    }

    void cleanup()
    {
        SetTimeScale(0);
        SetPausesSkipped(false);
        w_.Close();
        sounds_.reset();
    }

    // Each toolbar button, enabled or not, shows its caption while the
    // pointer moves over it; it goes when the pointer leaves for the title
    // band or the board.
    void toolbarCaptionFollowsThePointer()
    {
        const QList<QToolButton*> buttons = test::ToolbarButtons(w_.get());
        QVERIFY(buttons.size() >= 8);
        buttons[1]->setEnabled(false);
        for (QToolButton* button : buttons) {
            QTest::mouseMove(button, QPoint(5, 5));
            QTRY_COMPARE(w_->pnlToolbarCaption->Caption().trimmed(), button->toolTip());
            QTest::mouseMove(button, QPoint(6, 9));
            QTest::qWait(5);
            QVERIFY(w_->pnlToolbarCaption->isVisible());
            if (button == buttons[0])
                QTest::mouseMove(w_->Board(), test::CardCentre(4, 4));
            else
                QTest::mouseMove(w_->c_Title, QPoint(260, 10));
            QTRY_VERIFY(!w_->pnlToolbarCaption->isVisible());
        }
    }

    // A refused hand flashes the picks' markers, keeps the picks and counts two
    // misplays; the third opens the instructions without their switch.
    void refusedHandsFlashAndTheThirdMisplayOpensTheInstructions()
    {
        bool switchShown = true;
        QTimer closer; // closes the example, then the instructions, as a player would
        connect(&closer, &QTimer::timeout, [&] {
            if (auto* example = test::VisibleWindow<frmExample>())
                example->btnClose->click();
            else if (auto* instructions = test::VisibleWindow<frmInstructions>()) {
                switchShown = instructions->chkDoNotShow->isVisible();
                instructions->btnClose->click();
            }
        });
        closer.start(20);
        Click(Qt::LeftButton, test::CardCentre(1, 7)); // 7 of clubs
        Click(Qt::LeftButton, test::CardCentre(1, 6)); // 6 of clubs: no hand
        const QPoint marker = Cards().Position(kSevenOfClubs) + QPoint(17, 19); // inside the box, off the text
        auto shown = [&] { return w_->Board()->grab().toImage().pixelColor(marker); };
        const QColor picked = shown();
        Click(Qt::RightButton, test::CardCentre(4, 4));
        QTRY_VERIFY(shown().red() > 150 && shown().green() < 100 && shown().blue() < 100);
        QTRY_COMPARE(shown(), picked);
        QCOMPARE(w_->MisplayCount, 2);
        QCOMPARE(Game().SelectedCount, int16_t(2));
        QCOMPARE(Game().CardsOnBoard, int16_t(56));
        QVERIFY(!w_->ClockRunning());
        Click(Qt::RightButton, test::CardCentre(4, 4)); // the third opens the instructions
        QTRY_VERIFY(!test::VisibleWindow<frmInstructions>());
        QVERIFY(!switchShown);
        QCOMPARE(w_->MisplayCount, 1);
    }

    void pickAndDropRestoreThePicture()
    {
        const QPoint cardAt = Cards().Position(kSevenOfClubs);
        QVERIFY(SurfacePixel(cardAt + QPoint(6, 75)).lightness() > 200);
        const QPoint marker = cardAt + QPoint(20, 25);
        const QColor before = SurfacePixel(marker);
        Click(Qt::LeftButton, test::CardCentre(1, 7));
        QCOMPARE(Game().SelectedCount, int16_t(1));
        QVERIFY(SurfacePixel(marker) != before);
        Click(Qt::LeftButton, test::CardCentre(1, 7));
        QCOMPARE(Game().SelectedCount, int16_t(0));
        QCOMPARE(SurfacePixel(marker), before);
    }

    void aPairPaysAndUndoPutsItBack()
    {
        GameState& g = Game();
        const CardGridArray before = g.CardGrid;
        g.HandCounts[3] = 1; // a 3 of a kind made before: its label stays lit
        w_->FlashHandLabel(2);
        g.GameScore = 980;
        PlayThePair();
        QCOMPARE(w_->c_score->ForeColor(), frmMain::kScoreGreen);
        QCOMPARE(g.GameScore, 1030);
        QCOMPARE(g.CardsOnBoard, int16_t(54));
        QCOMPARE(g.CardGrid(1, 7), CardId(6));
        QCOMPARE(Cards().GetCardX(kSevenOfClubs), -100);
        QCOMPARE(w_->c_score->Caption(), QStringLiteral("Game:  $1,030"));
        QCOMPARE(w_->lblHand[0]->BackColor(), frmMain::kHandMade);
        QVERIFY(w_->ClockRunning());

        w_->MenuFileUndo->trigger();
        QVERIFY(g.CardGrid == before);
        QCOMPARE(g.GameScore, 980);
        QCOMPARE(w_->c_score->Caption(), QStringLiteral("Game:  $980"));
        QCOMPARE(w_->c_score->ForeColor(), frmMain::kScoreRed);
        QCOMPARE(g.CardsOnBoard, int16_t(56));
        QCOMPARE(w_->lblHand[0]->BackColor(), frmMain::kHandNormal);
        QCOMPARE(w_->lblHand[2]->BackColor(), frmMain::kHandMade);
        QCOMPARE(w_->lblHand[1]->BackColor(), frmMain::kHandNormal);
        QVERIFY(!w_->MenuFileUndo->isEnabled());
        PlayThePair(); // the next hand can be taken back again
        QVERIFY(w_->MenuFileUndo->isEnabled());
        QVERIFY(w_->Toolbar(ToolbarButton::Undo)->isEnabled());
        // A fee won back before the hand stays won back, green, through its undo.
        w_->MenuFileUndo->trigger();
        g.GameScore = 1100;
        g.FeeWonBack = true;
        PlayThePair();
        w_->MenuFileUndo->trigger();
        QCOMPARE(w_->c_score->ForeColor(), frmMain::kScoreGreen);
    }

    void handLabelsShowDefinitionsAndTakeOnlyTheRightButton()
    {
        Game().UseHandPopups = true;
        QTest::mouseMove(w_->lblHand[5], QPoint(10, 10));
        QTRY_VERIFY(w_->pnlHandDefinition->isVisible());
        QVERIFY(w_->pnlHandDefinition->Caption().startsWith(QStringLiteral("FULL HOUSE\r")));
        QTest::mouseMove(w_->Board(), test::CardCentre(4, 4));
        QTRY_VERIFY(!w_->pnlHandDefinition->isVisible());

        Click(Qt::LeftButton, test::CardCentre(1, 7));
        Click(Qt::LeftButton, test::CardCentre(2, 7));
        QTest::mouseClick(w_->lblHand[0], Qt::LeftButton);
        QCOMPARE(Game().CardsOnBoard, int16_t(56));
        QTest::mousePress(w_->lblHand[0], Qt::RightButton);
        QTest::mouseRelease(w_->lblHand[0], Qt::RightButton);
        QCOMPARE(Game().CardsOnBoard, int16_t(54));
    }

    // A hint names the jokers and costs ten seconds; Restart's Yes deals the
    // same board again at no cost and with a fresh clock.
    void hintThenRestartYesDealsTheSameBoardAtNoCost()
    {
        test::MsgBoxRecorder boxes;
        GameState& g = Game();
        w_->MenuViewHint->trigger();
        QVERIFY(boxes.calls.takeFirst().text.startsWith(QStringLiteral("\u00bb You don't need a hint")));
        QCOMPARE(g.ElapsedSeconds, 10);
        QVERIFY(boxes.calls.isEmpty());
        PlayThePair();
        w_->tmrClock_Timer();
        g.ElapsedSeconds = 250;
        w_->tmrClock_Timer();
        QCOMPARE(w_->lblTimer->Caption(), QStringLiteral("  Timer Bonus: $745  "));
        const auto deal = g.SavedDeck;
        boxes.answers = { vbYes };
        w_->MenuFileRestart->trigger();
        QCOMPARE(boxes.calls.size(), 1);
        QCOMPARE(boxes.calls[0].title, QStringLiteral("New Game or Same Deal?"));
        QCOMPARE(g.Bankroll, 4000);
        QCOMPARE(g.GamesPlayed, 5);
        QCOMPARE(g.CardsOnBoard, int16_t(56));
        QCOMPARE(g.CardGrid(1, 7), kSevenOfClubs);
        QVERIFY(g.SavedDeck == deal);
        QCOMPARE(g.ElapsedSeconds, 0);
        QCOMPARE(w_->lblTimer->Caption(), QStringLiteral("  Timer Bonus: $2,000  "));
        QVERIFY(!w_->ClockRunning());
        QCOMPARE(w_->c_score->Caption(), QStringLiteral("Game:  $0"));
        QCOMPARE(w_->lblHand[0]->BackColor(), frmMain::kHandNormal);
        CheckInGameCommands(true);
    }

    // A new game charges the fee and deals a full board; lost, it ends on the
    // statistics; the next game starts clean and can win its fee back.
    void aLostGameThenASecondGame()
    {
        GameState& g = Game();
        QCOMPARE(g.Bankroll, 4000);
        QCOMPARE(g.GamesPlayed, 5);
        QCOMPARE(g.CardsOnBoard, 56);
        QCOMPARE(w_->c_PlayerStatus->Caption(),
            QStringLiteral("Player: Tester     Bankroll: $4,000     Average Score: $800"));
        QCOMPARE(w_->lblTimer->Caption(), QStringLiteral("  Timer Bonus: $2,000  "));
        QVERIFY(!w_->ClockRunning());
        QCOMPARE(w_->lblHand[8]->Caption(), QStringLiteral("Royal Flush\r$2,000"));
        QVERIFY(w_->lblHand[7]->sizeHint().width() <= w_->lblHand[7]->width());
        LeaveOnlyThePair();
        w_->SetClockRunning(true); // as after an earlier hand
        bool statsShown = false;
        QString remaining, different;
        test::WhenShown<frmGameStats>([&](frmGameStats* s) {
            statsShown = true;
            remaining = s->lblCardsRemaining->text();
            different = s->lblDifferentHands->text();
            QTRY_VERIFY(s->btnOK->isVisible());
            s->btnOK->click();
        });
        PlayThePair();
        QVERIFY(statsShown);
        QVERIFY2(remaining.endsWith(QStringLiteral(" 54")), qPrintable(remaining)); // on the board, not removed
        QVERIFY2(different.endsWith(QStringLiteral(" 1")), qPrintable(different));
        QVERIFY(!g.GameInProgress);
        QVERIFY(!w_->ClockRunning());
        CheckInGameCommands(false);
        QCOMPARE(w_->c_score->Caption(), QStringLiteral("Game:  $50"));

        w_->MenuFileNewGame->trigger();
        QVERIFY(g.GameInProgress);
        QCOMPARE(g.Bankroll, 3000);
        QCOMPARE(g.GamesPlayed, 6);
        CheckInGameCommands(true);
        DealKnownBoard();
        g.GameScore = 990;
        PlayThePair();
        QCOMPARE(w_->c_score->ForeColor(), frmMain::kScoreGreen);
    }

    // A won game with sound off, dealt and played without a single wait: the
    // scoreboard credits the final score with every bonus, the top ten holds
    // that same score, the game's commands go off, and the next game must win
    // its fee back again.
    void aWonGameWithSoundOffThenASecondGame()
    {
        test::MsgBoxRecorder boxes;
        GameState& g = Game();
        EverySoundWaitsLong();
        QElapsedTimer elapsed;
        elapsed.start();
        DealKnownBoard();
        Click(Qt::LeftButton, test::CardCentre(2, 7)); // a pick and a drop
        Click(Qt::LeftButton, test::CardCentre(2, 7));
        Click(Qt::LeftButton, test::CardCentre(1, 7));
        Click(Qt::LeftButton, test::CardCentre(1, 6));
        Click(Qt::RightButton, test::CardCentre(4, 4)); // refused
        Click(Qt::LeftButton, test::CardCentre(1, 7));
        Click(Qt::LeftButton, test::CardCentre(1, 6));
        QCOMPARE(g.SelectedCount, int16_t(0));
        QVERIFY(WinWithThePair());

        QVERIFY(!g.GameInProgress);
        QVERIFY(!w_->ClockRunning());
        CheckInGameCommands(false);
        QCOMPARE(w_->c_score->ForeColor(), frmMain::kScoreGreen);
        QVERIFY(std::any_of(boxes.calls.begin(), boxes.calls.end(),
            [](const MsgBoxCall& c) { return c.title == QStringLiteral("Cards Cleared"); }));
        const int32_t finalScore = g.GameScore;
        QVERIFY(finalScore > 1040 + 2000); // the hands and the cleared board's bonus at least
        QCOMPARE(finalScoreShown_, FormatMoney(finalScore) + QLatin1Char(' '));
        QCOMPARE(g.Bankroll, 4000 + finalScore);
        QCOMPARE(FindPlayer(g.PlayersFilePath, g.PlayerName)->Bankroll, g.Bankroll);
        QVERIFY(std::any_of(g.TopTen.begin(), g.TopTen.begin() + 10, [&](const TopTenRow& r) {
            return r == TopTenRow { g.PlayerName, finalScore };
        }));

        w_->MenuFileNewGame->trigger();
        QVERIFY(g.GameInProgress);
        QCOMPARE(g.Bankroll, 3000 + finalScore);
        QCOMPARE(g.GameScore, 0);
        QCOMPARE(w_->c_score->ForeColor(), frmMain::kScoreRed);
        CheckInGameCommands(true);
        DealKnownBoard();
        g.GameScore = 900;
        PlayThePair();
        QCOMPARE(w_->c_score->ForeColor(), frmMain::kScoreRed);
        g.GameScore = 1000;
        Click(Qt::LeftButton, test::CardCentre(1, 7));
        Click(Qt::LeftButton, test::CardCentre(1, 7));
        QCOMPARE(w_->c_score->ForeColor(), frmMain::kScoreGreen); // the closing step of any release
        QVERIFY2(elapsed.elapsed() < 30000, "a sound was waited for with sound off");
    }

    // With sound off a play that empties a column closes the board up at once:
    // neither the removal nor the column-gone sound is waited for.
    void aColumnClosesUpWithSoundOffWithoutAWait()
    {
        GameState& g = Game();
        for (int r = 1; r < g.NumRows; ++r) // column 1 keeps only the seven of clubs
            QVERIFY(RemoveCardAndDrop(g, Cards(), g.CardGrid(1, r)));
        g.CardsOnBoard -= g.NumRows - 1;
        w_->RepaintBoard();
        const CardId nextInColumnTwo = g.CardGrid(2, g.NumRows - 1);
        EverySoundWaitsLong();
        QElapsedTimer elapsed;
        elapsed.start();
        PlayThePair();
        QCOMPARE(g.CardGrid(1, g.NumRows), nextInColumnTwo);
        QCOMPARE(g.ActiveColumns, int16_t(7));
        QVERIFY2(elapsed.elapsed() < 10000, "a sound was waited for with sound off");
    }

    // Once the first hand is made, the clock stops while the window is
    // minimised or another window is open over the game, and runs again after.
    void clockFollowsTheGameWindowOnlyAfterTheFirstHand()
    {
        w_->showMinimized();
        w_->showNormal();
        QVERIFY(!w_->ClockRunning()); // no hand made yet
        PlayThePair();
        w_->showMinimized();
        QTRY_VERIFY(!w_->ClockRunning());
        w_->showNormal();
        QTRY_VERIFY(w_->ClockRunning());
        bool runningWhileOpen = true;
        test::WhenShown<frmTopTen>([&](frmTopTen* t) {
            w_->showMinimized(); // and restored while the top ten is still open
            w_->showNormal();
            QTest::qWait(50);
            runningWhileOpen = w_->ClockRunning();
            t->btnOK->click();
        });
        w_->MenuViewTopTenScores->trigger();
        QVERIFY(!runningWhileOpen);
        QVERIFY(w_->ClockRunning());
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
