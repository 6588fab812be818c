// The game window driven as a player drives it: clicks on cards, right-button
// submissions, menu commands; message boxes answered by the test. Over whole
// games of random plays the board's picture stays as a fresh paint would
// show it.

#include "game/Removal.h"
#include "support/Inventory.h"
#include "support/WindowTest.h"
#include "ui/BoardSurface.h"
#include "ui/SoundNames.h"
#include "ui/frmExample.h"
#include "ui/frmInstructions.h"
#include "ui/frmMsg.h"

#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>

#include <numeric>
#include <random>

namespace {
constexpr CardId kSevenOfClubs = 7;
constexpr CardId kSevenOfDiamonds = 20;
using Cell = std::pair<int, int>; // column, row

// Every two touching ordinary cards of one rank: the pairs a player can make.
std::vector<std::pair<Cell, Cell>> PairsOnBoard()
{
    const GameState& g = Game();
    auto rank = [&](int c, int r) {
        const CardId card = c <= g.ActiveColumns && r <= g.NumRows ? g.CardGrid(c, r) : CardId(0);
        return card >= 1 && card <= 52 ? CardDeck::GetCardValue(card) : -c - 100 * r; // no two blanks alike
    };
    std::vector<std::pair<Cell, Cell>> pairs;
    for (int c = 1; c <= g.ActiveColumns; ++c) {
        for (int r = 1; r <= g.NumRows; ++r) {
            for (const Cell& next : { Cell { c, r + 1 }, Cell { c + 1, r } }) {
                if (rank(c, r) >= 0 && rank(c, r) == rank(next.first, next.second))
                    pairs.push_back({ { c, r }, next });
            }
        }
    }
    return pairs;
}

// The board painted from scratch from CardGrid: the table, then every card top row first.
QImage FreshPicture(const BoardSurface& shown)
{
    const GameState& g = Game();
    BoardSurface fresh;
    fresh.Resize(shown.Size(), shown.Pixmap().devicePixelRatio());
    fresh.Clear();
    for (int c = 1; c <= g.NumColumns; ++c) {
        for (int r = 1; r <= g.NumRows; ++r) {
            const CardId card = g.CardGrid(c, r);
            fresh.DrawCard(card, Cards().GetCardX(card), Cards().GetCardY(card));
        }
    }
    return fresh.Pixmap().toImage();
}
} // namespace

class TestFrmMain : public QObject {
    Q_OBJECT

    test::GameWindow w_;
    std::unique_ptr<QTemporaryDir> sounds_;
    std::mt19937 random_ { 20240611 };

    // Deals the deck in order (the cards, then the jokers), changed first by `change`.
    void Deal(const std::function<void(std::array<CardId, kDeckSize + 1>&)>& change)
    {
        std::array<CardId, kDeckSize + 1> deck {};
        std::iota(deck.begin() + 1, deck.begin() + 53, CardId(1));
        std::iota(deck.begin() + 53, deck.end(), CardId(kFirstJokerId));
        change(deck);
        Game().SavedDeck = deck;
        Game().SameDeal = true;
        w_->DealBoard();
    }

    // The 7 of diamonds swapped to column 2, row 7, so the 7 of clubs (column
    // 1, row 7) and the 7 of diamonds make a pair.
    void DealKnownBoard()
    {
        Deal([](auto& deck) { std::swap(deck[14], deck[20]); });
    }

    // A shuffled deck; or, to empty whole columns, one in order of rank (the
    // four of a rank in a row) with a few cards swapped.
    void DealRandomBoard(bool byRank)
    {
        Deal([&](auto& deck) {
            if (!byRank)
                return std::shuffle(deck.begin() + 1, deck.end(), random_);
            std::stable_sort(deck.begin() + 1, deck.end(),
                [](CardId a, CardId b) { return CardDeck::GetCardValue(a) < CardDeck::GetCardValue(b); });
            for (int i = 0; i < 6; ++i)
                std::swap(deck[1 + random_() % kDeckSize], deck[1 + random_() % kDeckSize]);
        });
    }

    bool ShownAsFresh() { return w_->Surface().Pixmap().toImage() == FreshPicture(w_->Surface()); }

    void Click(Qt::MouseButton button, int column, int row)
    {
        QTest::mouseClick(w_->Board(), button, {}, test::CardCentre(column, row));
    }

    // Left clicks on the cards at these columns and rows, in turn.
    void Pick(std::initializer_list<std::pair<int, int>> cells)
    {
        for (const auto& [column, row] : cells)
            Click(Qt::LeftButton, column, row);
    }

    void PlayThePair()
    {
        Pick({ { 1, 7 }, { 2, 7 } });
        Click(Qt::RightButton, 5, 3);
    }

    // Takes every card but the two sevens off the board: the pair is the last play.
    void LeaveOnlyThePair()
    {
        for (int id = 1; id <= kDeckSize; ++id) {
            if (const CardId card = Game().Deck[id]; card != kSevenOfClubs && card != kSevenOfDiamonds)
                Cards().SetCardX(card, -100);
        }
    }

    // The three menus, then the game's own commands, menu and toolbar: "1" for each one enabled.
    QString InGameCommands() const
    {
        const auto menus = { w_->MenuGame, w_->MenuView, w_->MenuHelp };
        const auto actions = { w_->MenuFileUndo, w_->MenuViewHint, w_->MenuViewShowPlay, w_->MenuFilePauseGame,
            w_->MenuFileRestart, w_->MenuFileRefreshScreen, w_->MenuViewGameStats };
        return test::Flags(menus, [](QMenu* m) { return m->menuAction()->isEnabled(); }) + u'|'
            + test::Flags(actions, [](QAction* a) { return a->isEnabled(); })
            + test::Flags(kInGameToolbarButtons, [&](ToolbarButton b) { return w_->Toolbar(b)->isEnabled(); });
    }

    // The hand labels: "1" for each one lit yellow as a hand made, "0" olive, "-" hidden.
    QString LitLabels() const
    {
        QString lit;
        for (const Panel3D* l : w_->lblHand) {
            const QRgb c = l->BackColor().rgb();
            lit += !l->isVisible() ? u'-' : c == qRgb(255, 255, 0) ? u'1' : c == qRgb(192, 192, 0) ? u'0' : u'?';
        }
        return lit;
    }

    // What the window shows of the game: bankroll, games played, cards on the
    // board, the score's caption and colour ('g' dark green, 'r' red), whether the clock runs.
    auto Seen() const
    {
        const GameState& g = Game();
        const QColor score = w_->c_score->ForeColor();
        const char colour = score == QColor(0, 128, 0) ? 'g' : score == QColor(255, 0, 0) ? 'r' : '?';
        return std::tuple(
            g.Bankroll, g.GamesPlayed, int(g.CardsOnBoard), w_->c_score->Caption(), colour, w_->ClockRunning());
    }

    // The texts of the game window's message windows still there.
    QStringList MessageTexts() const
    {
        QStringList texts;
        for (const frmMsg* m : w_->findChildren<frmMsg*>())
            for (const QLabel* l : m->findChildren<QLabel*>())
                texts.append(l->text());
        return texts;
    }

    QColor SurfacePixel(QPoint at) const
    {
        const QPixmap& pixmap = w_->Surface().Pixmap();
        return pixmap.toImage().pixelColor(at * pixmap.devicePixelRatio());
    }

    // From here on every sound of the play would wait a minute or more, and no
    // pause waits at all: with sound off a game must go by at once. Window
    // motion sounds whatever the setting, so its sounds are left out.
    void EverySoundWaitsLong()
    {
        sounds_ = std::make_unique<QTemporaryDir>();
        const QDir from(Game().AppFolder);
        for (const QString& wav : from.entryList({ QStringLiteral("*.wav") }, QDir::Files)) {
            if (wav.compare(SoundFile::ClickBg, Qt::CaseInsensitive)
                && wav.compare(SoundFile::Message2, Qt::CaseInsensitive))
                QVERIFY(QFile::copy(from.filePath(wav), sounds_->filePath(wav)));
        }
        QVERIFY(QDir(sounds_->path()).count() > 8);
        Game().AppFolder = sounds_->path() + QLatin1Char('/');
        SetPausesSkipped(true);
        SetTimeScale(2000); // the shortest sound, 35 ms, waits over a minute
    }

private slots:
    void init()
    {
        w_.Open(QStringLiteral("Tester"), true);
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

    // One game from the deal to its loss, then the next: the fee, picks and
    // drops, refused hands, a hint, a hand that crosses $1,000 and its undo, a
    // restart after time has passed, the statistics, and a new game that must
    // win its fee back again.
    void aGameFromDealToLossThenTheNext()
    {
        test::MsgBoxRecorder boxes;
        GameState& g = Game();
        QCOMPARE(Seen(), std::tuple(4000, 5, 56, QStringLiteral("Game:  $0"), 'r', false));
        QVERIFY(w_->lblHand[7]->sizeHint().width() <= w_->lblHand[7]->width());
        // The window's captions, its hand labels', then each menu in order with its keys and ticks.
        QStringList captions { w_->windowTitle(), w_->c_TitleText->property("text").toString(), w_->chkSound->text(),
            w_->c_PlayerStatus->Caption(), w_->lblTimer->Caption(), {} };
        for (const Panel3D* l : w_->lblHand)
            captions.last() += l->Caption() + u'|';
        for (const QAction* m : w_->menuBar()->actions()) {
            captions.append(m->text());
            for (const QAction* a : m->menu()->actions())
                captions.last() += u'|' + (a->isSeparator() ? QStringLiteral("-") : a->text())
                    + (a->shortcut().isEmpty() ? QString() : u' ' + a->shortcut().toString())
                    + (a->isCheckable() ? (a->isChecked() ? QStringLiteral(" [x]") : QStringLiteral(" [ ]"))
                                        : QString());
        }
        QCOMPARE(captions,
            (QStringList { "Solitaire Quibel", "Solitaire Quibel", "Use &Sound Effects",
                "Player: Tester     Bankroll: $4,000     Average Score: $800", "  Timer Bonus: $2,000  ",
                "1 Pair\r$50|2 Pairs\r$125|3 of a Kind\r$175|Straight\r$200|Flush\r$200|Full "
                "House\r$250|4 of a Kind\r$500|Straight Flush\r$1,000|Royal Flush\r$2,000|",
                "&Game|&New Game|Select &Deal\u2026|-|&Restart Game|&Pause Game Ctrl+P|&Undo Last Move "
                "Ctrl+Z|R&efresh Screen F12|-|Use Hand Definition Pop-ups [x]|&Fast Play [ ]|-|E&xit",
                "&View|Current Game &Stats Ctrl+S|-|&Hint Ctrl+H|Show a &Play Ctrl+L|P&ar of This "
                "Deal|-|&Player List|&Top Ten Scores",
                "&Help|&Contents F1|Overview/&Quick Start|-|Check For &Updates|&About" }));
        // The timer green on black, the title yellow on dark blue, the pointer's captions on pale yellow.
        QCOMPARE((QList<QColor> { w_->lblTimer->BackColor(), w_->lblTimer->ForeColor(), w_->c_Title->BackColor(),
                     w_->c_TitleText->palette().color(QPalette::WindowText), w_->pnlToolbarCaption->BackColor(),
                     w_->pnlHandDefinition->BackColor() }),
            (QList<QColor> { Qt::black, QColor(0, 255, 0), QColor(0, 0, 96), QColor(255, 255, 0), QColor(255, 255, 225),
                QColor(255, 255, 225) }));

        // A pick marks the card, its drop restores the picture.
        g.SoundOn = true;
        std::optional<test::SoundsHeard> sounds; // reset before the next, which takes over the log
        sounds.emplace();
        const QPoint marker = Cards().Position(kSevenOfClubs) + QPoint(20, 25);
        QVERIFY(SurfacePixel(Cards().Position(kSevenOfClubs) + QPoint(6, 75)).lightness() > 200);
        const QColor unpicked = SurfacePixel(marker);
        Click(Qt::LeftButton, 1, 7);
        QVERIFY(g.SelectedCount == 1 && SurfacePixel(marker) != unpicked);
        Click(Qt::LeftButton, 1, 7);
        QVERIFY(g.SelectedCount == 0 && SurfacePixel(marker) == unpicked);

        // A refused hand flashes the markers red and keeps the picks; the third
        // misplay opens the instructions without their switch.
        bool switchShown = true, coverShown = true;
        QTimer closer; // closes the example, then the instructions, as a player would
        connect(&closer, &QTimer::timeout, [&] {
            if (auto* example = test::VisibleWindow<frmExample>())
                example->btnClose->click();
            else if (auto* instructions = test::VisibleWindow<frmInstructions>()) {
                switchShown = instructions->chkDoNotShow->isVisible();
                coverShown = w_->pic_covercards->isVisible();
                instructions->btnClose->click();
            }
        });
        closer.start(20);
        Pick({ { 1, 7 }, { 1, 6 } }); // 7 and 6 of clubs: no hand
        const QPoint box = Cards().Position(kSevenOfClubs) + QPoint(17, 19); // inside the marker, off its text
        auto shown = [&] { return w_->Board()->grab().toImage().pixelColor(box); };
        const QColor picked = shown();
        Click(Qt::RightButton, 4, 4);
        QTRY_VERIFY(shown().red() > 150 && shown().green() < 100 && shown().blue() < 100);
        QTRY_COMPARE(shown(), picked);
        QCOMPARE(std::tuple(w_->MisplayCount, int(g.SelectedCount), int(g.CardsOnBoard)), std::tuple(2, 2, 56));
        Click(Qt::RightButton, 4, 4);
        QTRY_VERIFY(!test::VisibleWindow<frmInstructions>());
        // The instructions are read over an uncovered board, and the clock stays as it was.
        QVERIFY(!switchShown && !coverShown && !w_->pic_covercards->isVisible() && !w_->ClockRunning());
        QCOMPARE(w_->MisplayCount, 1); // counted afresh
        Pick({ { 1, 7 }, { 1, 6 } });
        // Heard: the pick and its drop, two picks, two refusals, the instructions
        // and the example's window motion, two drops.
        QCOMPARE(sounds->Runs(), QStringLiteral("Bloop2 Bloop Bloop2*2 Error*2 ClickBg message2*2 Bloop*2"));
        sounds.reset();
        g.SoundOn = false;

        // A hint names the jokers and costs ten seconds.
        w_->MenuViewHint->trigger();
        const MsgBoxCall hint = boxes.calls.takeFirst();
        QVERIFY(hint.text.startsWith(QStringLiteral("\u00bb You don't need a hint")) && hint.style == vbInformation);
        QCOMPARE(g.ElapsedSeconds, 10);

        // The pair pays and crosses $1,000; its undo puts back the board, the
        // score, its colour and the hand labels lit before it.
        const CardGridArray dealt = g.CardGrid;
        g.HandCounts[3] = 1; // a 3 of a kind made before: its label stays lit
        w_->FlashHandLabel(2);
        g.GameScore = 980;
        PlayThePair();
        QCOMPARE(Seen(), std::tuple(4000, 5, 54, QStringLiteral("Game:  $1,030"), 'g', true));
        QCOMPARE(LitLabels(), QStringLiteral("101000000"));
        w_->MenuFileUndo->trigger();
        QVERIFY(g.CardGrid == dealt);
        QCOMPARE(Seen(), std::tuple(4000, 5, 56, QStringLiteral("Game:  $980"), 'r', true));
        QCOMPARE(LitLabels(), QStringLiteral("001000000"));
        g.SoundOn = true; // the play and its undo as they are heard
        {
            const test::SoundsHeard heard;
            PlayThePair(); // the next hand can be taken back again
            QVERIFY(w_->MenuFileUndo->isEnabled() && w_->Toolbar(ToolbarButton::Undo)->isEnabled());
            w_->MenuFileUndo->trigger();
            // Both cards go, the two above them drop, the score counts up; the undo.
            QCOMPARE(heard.Runs(), QStringLiteral("Bloop2*2 buttup*2 scor1 Nervous"));
        }
        g.SoundOn = false;
        QCOMPARE(InGameCommands(), QStringLiteral("111|01111110111"));
        // A fee won back before the hand stays won back, green, through its undo.
        g.GameScore = 1100;
        g.FeeWonBack = true;
        PlayThePair();
        w_->MenuFileUndo->trigger();
        QCOMPARE(Seen(), std::tuple(4000, 5, 56, QStringLiteral("Game:  $1,100"), 'g', true));

        // Restart's Yes after time has passed deals the same board again at no
        // cost, with a fresh clock, score and labels.
        PlayThePair();
        g.ElapsedSeconds = 250;
        w_->tmrClock_Timer();
        QCOMPARE(w_->lblTimer->Caption(), QStringLiteral("  Timer Bonus: $745  "));
        const auto deal = g.SavedDeck;
        boxes.answers = { vbYes };
        w_->MenuFileRestart->trigger();
        const MsgBoxCall restart = boxes.calls.takeFirst();
        QCOMPARE(std::tuple(restart.title, restart.style, restart.text),
            std::tuple(QStringLiteral("New Game or Same Deal?"), vbYesNoCancel | vbQuestion,
                QStringLiteral(
                    "Would you like to start the current game again from the beginning?\r\rYes = redeal the "
                    "same hand without forfeiting the entry fee.\rNo = deal a new hand and forfeit the entry "
                    "fee for the current game.\rCancel = return to the game in progress without redealing "
                    "at all.\r\r\r\r")));
        QCOMPARE(Seen(), std::tuple(4000, 5, 56, QStringLiteral("Game:  $0"), 'r', false));
        QVERIFY(g.CardGrid == dealt && g.SavedDeck == deal && g.ElapsedSeconds == 0);
        QCOMPARE(w_->lblTimer->Caption(), QStringLiteral("  Timer Bonus: $2,000  "));
        QCOMPARE(InGameCommands() + u' ' + LitLabels(), QStringLiteral("111|11111111111 000000000"));
        // Cancel goes back to the game as it was; No forfeits its fee and deals another.
        PlayThePair();
        boxes.answers = { vbCancel, vbNo };
        w_->MenuFileRestart->trigger();
        QCOMPARE(Seen(), std::tuple(4000, 5, 54, QStringLiteral("Game:  $50"), 'r', true));
        w_->MenuFileRestart->trigger();
        QCOMPARE(Seen(), std::tuple(3000, 6, 56, QStringLiteral("Game:  $0"), 'r', false));
        QVERIFY(g.SavedDeck != deal);
        boxes.calls.clear();

        // A royal flush rings before it pays, and its own label flashes.
        Deal([](auto& deck) { std::swap(deck[1], deck[14]); }); // column 2 ends with 10, J, Q, K, A of clubs
        g.SoundOn = true;
        sounds.emplace();
        Pick({ { 2, 3 }, { 2, 4 }, { 2, 5 }, { 2, 6 }, { 2, 7 } });
        Click(Qt::RightButton, 5, 3);
        QCOMPARE(sounds->Runs(), QStringLiteral("Bloop2*5 ding buttup*5 scor1"));
        QCOMPARE(std::pair(LitLabels(), w_->Board()->accessibleName()), // and a screen reader is told
            std::pair(QStringLiteral("000000001"), QStringLiteral("Royal Flush, $2,000")));
        QCOMPARE(Seen(), std::tuple(3000, 6, 51, QStringLiteral("Game:  $2,000"), 'g', true));
        DealKnownBoard();

        // Lost: the statistics tell the cards still on the board, and the
        // game's commands go off.
        LeaveOnlyThePair();
        QString remaining, different;
        test::WhenShown<frmGameStats>([&](frmGameStats* s) {
            remaining = s->lblCardsRemaining->text();
            different = s->lblDifferentHands->text();
            QTRY_VERIFY(s->btnOK->isVisible());
            s->btnOK->click();
        });
        sounds.emplace();
        PlayThePair();
        QVERIFY2(sounds->Runs().startsWith(QStringLiteral("Bloop2*2 buttup*2 Schz ")), // then the statistics
            qPrintable(sounds->Runs()));
        QCOMPARE(std::tuple(remaining.section(u' ', -1), different.section(u' ', -1)),
            std::tuple(QStringLiteral("54"), QStringLiteral("1")));
        QCOMPARE(Seen(), std::tuple(3000, 6, 54, QStringLiteral("Game:  $50"), 'r', false));
        QCOMPARE(InGameCommands() + u' ' + LitLabels(), QStringLiteral("111|00000000000 ---------"));

        QSet<QRgb> shuffled; // under the shuffling message, before the game begins: the bare table, then cards
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, [&] {
            if (!g.GameInProgress && !MessageTexts().isEmpty())
                shuffled.insert(SurfacePixel({ 30, 60 }).rgb());
        });
        watcher.start(0);
        sounds.emplace();
        w_->MenuFileNewGame->trigger();
        QVERIFY(shuffled.size() > 1);
        // Heard: the message comes and goes, every fourth card dealt, the deal's end.
        QCOMPARE(sounds->Runs(), QStringLiteral("ClickBg message2*2 deal*14 ding"));
        sounds.reset();
        g.SoundOn = false;
        // The message of the deal is still there until the events run.
        QVERIFY(MessageTexts().contains(QStringLiteral("Shuffling the Cards."))
            && MessageTexts().contains(QStringLiteral("  Deducting $1,000 from your bankroll...")));
        QCOMPARE(InGameCommands() + u' ' + LitLabels(), QStringLiteral("111|11111111111 000000000"));
        DealKnownBoard();
        g.GameScore = 990;
        PlayThePair();
        QCOMPARE(Seen(), std::tuple(2000, 7, 54, QStringLiteral("Game:  $1,040"), 'g', true));
        QVERIFY(boxes.calls.isEmpty());
    }

    // A won game and the next one with sound off, without a single wait: the
    // scoreboard credits the final score with every bonus, the top ten holds
    // that same score; the next game must win its fee back again, and a play
    // that empties a column closes the board up and is undone at once.
    void aWonGameWithSoundOffThenTheNext()
    {
        test::MsgBoxRecorder boxes;
        GameState& g = Game();
        EverySoundWaitsLong();
        QElapsedTimer elapsed;
        elapsed.start();
        DealKnownBoard();
        Pick({ { 2, 7 }, { 2, 7 }, { 1, 7 }, { 1, 6 } }); // a pick and a drop, then a refused hand
        Click(Qt::RightButton, 4, 4);
        Pick({ { 1, 7 }, { 1, 6 } });
        QCOMPARE(g.SelectedCount, int16_t(0));

        g.GameScore = 990;
        LeaveOnlyThePair();
        g.CardsOnBoard = 2;
        QString finalScoreShown;
        QStringList messages, labels; // the hand labels as they change
        bool boardTookInput = false; // while the scoreboard is open
        {
            const test::GameEndCloser closer([&](frmScoreboard* s) {
                finalScoreShown = s->pnlFinalScore->Caption();
                boardTookInput = boardTookInput || w_->centralWidget()->isEnabled() || w_->menuBar()->isEnabled();
            });
            QTimer reader;
            connect(&reader, &QTimer::timeout, [&] {
                messages += MessageTexts();
                if (labels.isEmpty() || labels.last() != LitLabels())
                    labels += LitLabels();
            });
            reader.start(0);
            PlayThePair();
        }
        QVERIFY2(messages.contains(QStringLiteral("No more plays.  You Won!!!"))
                && messages.contains(QStringLiteral("Preparing to calculate final score ...")),
            qPrintable(messages.join(u'|')));
        QVERIFY(!boardTookInput && w_->centralWidget()->isEnabled() && w_->menuBar()->isEnabled());
        // The labels light up, flash dim and bright twice, then go one by one; the board is left bare.
        const QString flashes = labels.join(u' ');
        QVERIFY2(flashes.contains(QRegularExpression(QStringLiteral(
                     "111111111( [01]+)* 000000000( [01]+)* 111111111( [01]+)* 000000000( [01]+)* 111111111 -1+ "))),
            qPrintable(flashes));
        QVERIFY(labels.last() == QStringLiteral("---------") && ShownAsFresh());
        const int32_t finalScore = g.GameScore;
        QVERIFY(finalScore > 1040 + 2000); // the hands and the cleared board's bonus at least
        QCOMPARE(finalScoreShown, FormatMoney(finalScore) + QLatin1Char(' '));
        QCOMPARE(
            Seen(), std::tuple(4000 + finalScore, 5, 0, QStringLiteral("Game:  ") + FormatMoney(1040), 'g', false));
        QCOMPARE(InGameCommands(), QStringLiteral("111|00000000000"));
        QVERIFY(boxes.Titles().contains(QStringLiteral("Cards Cleared")));
        QCOMPARE(FindPlayer(g.PlayersFilePath, g.PlayerName)->Bankroll, g.Bankroll);
        QVERIFY(std::count(g.TopTen.begin(), g.TopTen.begin() + 10, TopTenRow { g.PlayerName, finalScore }) == 1);

        w_->MenuFileNewGame->trigger();
        QCOMPARE(Seen(), std::tuple(3000 + finalScore, 6, 56, QStringLiteral("Game:  $0"), 'r', false));
        QCOMPARE(InGameCommands(), QStringLiteral("111|11111111111"));
        DealKnownBoard();
        for (int r = 1; r < g.NumRows; ++r) // column 1 keeps only the seven of clubs
            QVERIFY(RemoveCardAndDrop(g, Cards(), g.CardGrid(1, r)));
        g.CardsOnBoard -= g.NumRows - 1;
        w_->RepaintBoard();
        const CardGridArray before = g.CardGrid;
        const CardId nextInColumnTwo = g.CardGrid(2, g.NumRows - 1);
        g.GameScore = 900;
        PlayThePair();
        QCOMPARE(Seen(), std::tuple(3000 + finalScore, 6, 48, QStringLiteral("Game:  $950"), 'r', true));
        QVERIFY(g.CardGrid(1, g.NumRows) == nextInColumnTwo && g.ActiveColumns == 7);
        w_->MenuFileUndo->trigger();
        QVERIFY(g.CardGrid == before && g.ActiveColumns == 8);
        g.GameScore = 1000;
        Pick({ { 1, 7 }, { 1, 7 } });
        QCOMPARE(std::get<4>(Seen()), 'g'); // the closing step of any release
        QVERIFY2(elapsed.elapsed() < 30000, "a sound was waited for with sound off");

        // The next win heard to its end: the last two columns go, the win's
        // own sounds, the scoreboard's counts (a timer bonus of $100 in tens).
        SetTimeScale(0);
        g.AppFolder = qEnvironmentVariable("QUIBEL_APP_DIR") + QLatin1Char('/');
        g.SoundOn = true;
        LeaveOnlyThePair();
        g.CardsOnBoard = 2;
        g.ElapsedSeconds = 379;
        w_->tmrClock_Timer();
        QCOMPARE(w_->lblTimer->Caption(), QStringLiteral("  Timer Bonus: $100  "));
        const test::SoundsHeard heard;
        {
            const test::GameEndCloser closer;
            PlayThePair();
        }
        // Heard: the picks, one card dropping, the emptied column, the message
        // box, the win; the scoreboard's counts: the game score in hundreds,
        // one hand type, the cards removed in threes, the timer bonus in tens,
        // the final score (then the windows closed by the test).
        QVERIFY2(heard.Runs().startsWith(
                     QStringLiteral("Bloop2*2 buttup ColGone ClickBg Shim message2 ClickBg*2 message2*27 buttup*11 "
                                    "scor1 message2 scor1 buttup*19 scor1 buttup*11 scor1 UpGo4 TWham ding ")),
            qPrintable(heard.Runs()));
    }

    // Every play, undo and close-up leaves the board as a fresh paint would:
    // pairs picked both ways round, in columns and across them, until none is
    // left; jokers stay, so a game never ends. Some plays are undone.
    void everyPlayLeavesTheBoardAsAFreshPaint()
    {
        GameState& g = Game();
        int plays = 0, undos = 0, closeUps = 0;
        for (int game = 0; plays < 220 || game < 12; ++game) {
            DealRandomBoard(game % 3 == 0);
            QVERIFY(ShownAsFresh());
            for (auto pairs = PairsOnBoard(); !pairs.empty(); pairs = PairsOnBoard()) {
                auto [first, second] = pairs[random_() % pairs.size()];
                if (random_() % 2)
                    std::swap(first, second);
                const int columnsBefore = g.ActiveColumns, cardsBefore = g.CardsOnBoard;
                Pick({ first, second });
                Click(Qt::RightButton, first.first, first.second);
                QCOMPARE(int(g.CardsOnBoard), cardsBefore - 2);
                closeUps += g.ActiveColumns < columnsBefore;
                QVERIFY2(ShownAsFresh(), qPrintable(QStringLiteral("play %1").arg(++plays)));
                if (random_() % 5 == 0) {
                    w_->MenuFileUndo->trigger();
                    QCOMPARE(int(g.CardsOnBoard), cardsBefore);
                    QVERIFY2(ShownAsFresh(), qPrintable(QStringLiteral("undo %1").arg(++undos)));
                }
            }
        }
        QVERIFY(undos > 20 && closeUps > 5);
    }

    // Toolbar buttons, enabled or not, show their caption while the pointer is
    // over them. Once the first hand is made, the clock stops while the window
    // is minimised or another window is open over the game. Hand labels show
    // their definition and take only the right button. Closing the window
    // during a game asks to forfeit it, and No keeps it.
    void pointerClockAndClose()
    {
        const auto& buttons = w_->toolbarButtons;
        buttons[1]->setEnabled(false);
        QMap<int, QString> captions; // left to right
        std::map<int, QToolButton*> leftToRight;
        for (QToolButton* button : buttons) {
            QTest::mouseMove(button, QPoint(5, 5));
            QTRY_COMPARE(w_->pnlToolbarCaption->Caption().trimmed(), button->toolTip());
            captions[button->x()] = w_->pnlToolbarCaption->Caption();
            leftToRight[button->x()] = button;
            QTest::mouseMove(button, QPoint(6, 9));
            QTest::qWait(5);
            QVERIFY(w_->pnlToolbarCaption->isVisible());
            if (button == buttons[0])
                QTest::mouseMove(w_->Board(), test::CardCentre(4, 4));
            else
                QTest::mouseMove(w_->c_Title, QPoint(260, 10));
            QTRY_VERIFY(!w_->pnlToolbarCaption->isVisible());
        }
        QCOMPARE(captions.values().join(u'|'),
            QStringLiteral(
                " Pause Game | Player List | High Scores | Game Stats | Undo Last Move | Restart Game| Hint | Help "));
        buttons[1]->setEnabled(true);

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
        QVERIFY(!runningWhileOpen && w_->ClockRunning());

        DealKnownBoard();
        // The player's settings show as they are; each change reaches the
        // players file at once, whichever way it goes, and clicks while sound is on.
        Game().ShowInstructions = false;
        for (const bool on : { true, false }) {
            Game().SoundOn = Game().UseHandPopups = on;
            w_->ApplyPlayerSettings();
            QCOMPARE(std::pair(w_->chkSound->isChecked(), w_->MenuFileUseHandPopups->isChecked()), std::pair(on, on));
        }
        const auto saved = [] { return FindPlayer(Game().PlayersFilePath, Game().PlayerName).value(); };
        const test::SoundsHeard clicks;
        for (int i = 0; i < 2; ++i) {
            w_->chkSound->click();
            QCOMPARE(saved().SoundOn, w_->chkSound->isChecked());
            w_->MenuFileUseHandPopups->trigger();
            QCOMPARE(saved().UseHandPopups, w_->MenuFileUseHandPopups->isChecked());
        }
        QCOMPARE(clicks.Runs(), QStringLiteral("ClickBg*2")); // turned on, then off
        Game().UseHandPopups = true;
        QTest::mouseMove(w_->lblHand[5], QPoint(10, 10));
        QTRY_VERIFY(w_->pnlHandDefinition->isVisible());
        QVERIFY(w_->pnlHandDefinition->Caption().startsWith(QStringLiteral("FULL HOUSE\r")));
        QTest::mouseMove(w_->Board(), test::CardCentre(4, 4));
        QTRY_VERIFY(!w_->pnlHandDefinition->isVisible());
        Pick({ { 1, 7 }, { 2, 7 } });
        QTest::mouseClick(w_->lblHand[0], Qt::LeftButton);
        QCOMPARE(Game().CardsOnBoard, int16_t(56));
        QTest::mouseClick(w_->lblHand[0], Qt::RightButton);
        QCOMPARE(Game().CardsOnBoard, int16_t(54));

        // Each toolbar button, left to right, does its own command over a
        // covered board ("#"); a window stops the clock, a message box leaves
        // it running; the pause button offers to resume while the game is paused.
        test::MsgBoxRecorder boxes;
        QStringList opened; // the window or box each one opens, and how
        const auto how = [&] {
            return (w_->pic_covercards->isVisible() ? QStringLiteral("#") : QString())
                + (w_->ClockRunning() ? QStringLiteral("clock") : QString())
                + w_->Toolbar(ToolbarButton::Pause)->text();
        };
        boxes.onCall = [&] { opened.last() += QStringLiteral("box") + how(); };
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            for (QWidget* open : QApplication::topLevelWidgets()) {
                if (open != w_.get() && open->isVisible() && !qobject_cast<QMenu*>(open)) {
                    opened.last() += QString::fromLatin1(open->metaObject()->className()) + how();
                    open->close();
                }
            }
        });
        closer.start(10);
        for (const auto& [x, button] : leftToRight) {
            opened.append(QString());
            button->click();
            (void)QTest::qWaitFor([&] { return !opened.last().isEmpty(); }, 300); // the help window opens modeless
        }
        closer.stop();
        QCOMPARE(std::tuple(opened.join(u'/'), boxes.Titles(), Game().CardsOnBoard),
            std::tuple(
                QStringLiteral(
                    "frmGameStats#>/frmPlayerList#/frmTopTen#/frmGameStats#//box#clock/box#clock/HelpWindowclock"),
                QStringList { "New Game or Same Deal?", "Game Hint" }, int16_t(56)));
        boxes.calls.clear();
        boxes.defaultAnswer = vbNo;
        w_->close();
        QVERIFY(w_->isVisible() && Game().GameInProgress);
        QCOMPARE(test::Boxes(boxes.calls) + boxes.Texts(),
            QStringList({ "Exit Current Game? [question Yes/No]",
                "Do you want to forfeit the current game and the $1,000 entry fee?" }));
    }
};

QTEST_MAIN(TestFrmMain)
#include "test_frmmain.moc"
