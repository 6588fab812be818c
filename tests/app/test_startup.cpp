// The program's start and end: the screen it opens on, the top ten it finds
// at start-up, the command line, and a signal that ends a game in progress.

#include "app/CommandLine.h"
#include "app/QuitSignals.h"
#include "game/DealNumber.h"
#include "records/PlayerLock.h"
#include "records/SavePoints.h"
#include "records/TopTen.h"
#include "recordwindows/frmPlayerList.h"
#include "support/Files.h"
#include "support/WindowTest.h"
#include "ui/frmExample.h"
#include "ui/frmInstructions.h"

#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryFile>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

const TopTenRow kOwnRow { QStringLiteral("Player"), 9000 };
constexpr char kChildMarker[] = "QUIBEL_TEST_GAME_TO_END";

// Side by side: a large screen, an 800-pixel one whose usable height a
// window frame and a panel have brought down to 560, and a 640 x 480 one.
constexpr char kScreens[] = R"({ "screens": [
  { "name": "large", "x": 0, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 },
  { "name": "narrow", "x": 1024, "y": 0, "width": 800, "height": 560, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 },
  { "name": "small", "x": 1824, "y": 0, "width": 640, "height": 480, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 }
] })";

// A top ten of the player's own, last changed at the given time.
void WriteOwnTable(const QDateTime& modified)
{
    GameState own;
    own.TopTen[0] = kOwnRow;
    test::WriteTopTenFile(Game().DataFolder, own.TopTen);
    QFile file(TopTenFilePath(Game().DataFolder));
    QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(modified, QFileDevice::FileModificationTime));
}

// The command line's answer; what it prints on standard output goes to `printed`.
std::optional<int> Run(std::vector<const char*> args, QString* printed = nullptr)
{
    args.insert(args.begin(), "solitaire-quibel");
    QTemporaryFile file;
    if (!file.open())
        return -1;
    std::fflush(stdout);
    const int saved = dup(fileno(stdout));
    dup2(file.handle(), fileno(stdout));
    const std::optional<int> exitCode = RunCommandLine(static_cast<int>(args.size()), const_cast<char**>(args.data()));
    std::fflush(stdout);
    dup2(saved, fileno(stdout));
    close(saved);
    file.seek(0);
    if (printed)
        *printed = QString::fromLatin1(file.readAll());
    return exitCode;
}

// The game in another process, by this same program: Ann has paid for a game
// that is in progress when the signal comes.
int RunGameToEnd(int argc, char** argv)
{
    QApplication app(argc, argv);
    SetTimeScale(0);
    GameState& g = Game();
    g.ProgramName = QStringLiteral("Solitaire Quibel");
    frmMain window;
    EndOnSignals(window);
    if (!window.PrepareWindow() || !AppendPlayer(g.PlayersFilePath, QStringLiteral("Ann")))
        return 3;
    LoadPlayer(g, *FindPlayer(g.PlayersFilePath, QStringLiteral("Ann")));
    g.SoundOn = false;
    if (!ChosenPlayerLock().Take(g.DataFolder, QStringLiteral("Ann")))
        return 3;
    window.NewGame();
    std::puts(g.GameInProgress ? "playing" : "not playing");
    std::fflush(stdout);
    return QApplication::exec();
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> data_;

    // Prepares a game window as at start-up, answering its questions in turn.
    QList<MsgBoxCall> StartUp(std::deque<int> answers = {})
    {
        test::MsgBoxRecorder boxes;
        boxes.answers = std::move(answers);
        frmMain main;
        [&] { QVERIFY(main.PrepareWindow()); }();
        return boxes.calls;
    }

private slots:
    void init() { data_ = test::FreshGame(); }

    // On a screen 800 pixels wide nothing of the game window is cut, and the
    // cards' columns sit between the title band and the hand labels; on a
    // smaller one the window takes the screen and scrolls, across only, to
    // every control and card.
    void everyControlShowsOnSmallScreens()
    {
        for (const int narrow : { 1, 0 }) {
            QScreen* screen = QGuiApplication::screens()[narrow ? 1 : 2];
            data_ = test::FreshGame();
            frmMain w;
            w.setScreen(screen);
            w.move(screen->geometry().topLeft());
            QVERIFY(w.PrepareWindow());
            test::PlayAs(QStringLiteral("Tester"));
            Game().ShowInstructions = false;
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            w.ApplyPlayerSettings();
            w.NewGame();
            QVERIFY2(w.screen() == screen && screen->availableGeometry().contains(w.frameGeometry()),
                "the window lies off its screen");
            QList<QWidget*> controls { w.c_PlayerStatus, w.c_score, w.chkSound, w.lblTimer };
            controls.append(QList<QWidget*>(w.toolbarButtons.begin(), w.toolbarButtons.end()));
            controls.append(QList<QWidget*>(w.lblHand.begin(), w.lblHand.end()));
            const GameState& g = Game();
            const QPoint lastCard(g.BoardLeft + 8 * g.CardWidth + g.CardWidth / 2, g.BoardTop + 7 * g.RowStep + 40);
            if (narrow) {
                for (QWidget* shown : controls + QList<QWidget*> { w.Board() })
                    QCOMPARE(shown->visibleRegion(), QRegion(shown->rect()));
                QVERIFY(g.BoardTop + g.RowStep >= w.c_Title->height()
                    && g.BoardTop + 7 * g.RowStep + g.CardHeight <= w.lblHand[0]->y());
                continue;
            }
            auto* scroller = qobject_cast<QScrollArea*>(w.centralWidget());
            QVERIFY(scroller && !scroller->verticalScrollBar()->isVisible());
            QCOMPARE(w.frameGeometry(), screen->availableGeometry());
            for (QWidget* control : controls) {
                scroller->ensureWidgetVisible(control, 0, 0);
                QVERIFY(control->visibleRegion().contains(control->rect().center()));
            }
            scroller->ensureVisible(lastCard.x(), lastCard.y());
            QVERIFY(w.Board()->visibleRegion().contains(lastCard));
        }
    }

    // No top ten file: the default table, written without a question. A
    // table 16 days old is offered for clearing, Yes clears it and No keeps
    // it; at 15.25 days nothing is asked. Clearing a table that cannot be
    // written keeps it, and the player is told.
    void topTenAtStartUp()
    {
        QVERIFY(StartUp().isEmpty() && QFile::exists(TopTenFilePath(Game().DataFolder)));
        QCOMPARE(Game().TopTen[9], (TopTenRow { QStringLiteral("*******"), 3000 }));
        const QString asked = QStringLiteral(
            "The Top Ten High Scores have not been added to in over 15 days.  Would you like to clear them now?");
        // When the table last changed, the answer, whether the file can be written, the questions, whether it is
        // cleared.
        for (const auto& [changedAt, answer, writable, texts, cleared] :
            { std::tuple { QTime(0, 0), int(vbYes), true, QStringList { asked }, true },
                { QTime(0, 0), int(vbNo), true, QStringList { asked }, false },
                { QTime(18, 0), int(vbYes), true, QStringList {}, false },
                { QTime(0, 0), int(vbYes), false, QStringList { asked, QStringLiteral("Not Saved, a warning") },
                    false } }) {
            init();
            Saves() = {};
            WriteOwnTable(QDateTime(QDate::currentDate().addDays(-16), changedAt));
            const QString path = TopTenFilePath(Game().DataFolder);
            QFile::setPermissions(
                path, QFileDevice::ReadOwner | (writable ? QFileDevice::WriteOwner : QFileDevice::ReadOwner));
            QStringList seen;
            for (const MsgBoxCall& call : StartUp({ answer }))
                seen.append(
                    call.style == (vbOKOnly | vbExclamation) ? call.title + QStringLiteral(", a warning") : call.text);
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            QCOMPARE(seen, texts);
            QCOMPARE(Game().TopTen[0], (cleared ? TopTenRow { QStringLiteral("*******"), 7500 } : kOwnRow));
        }
        Saves() = {};
    }

    // Start-up shows the title, then the player list, deals the chosen
    // player's first game and shows the window, then the overview.
    void startUpDealsForThePlayerChosen()
    {
        QVERIFY(AppendPlayer(Game().PlayersFilePath, QStringLiteral("Ann")));
        test::WhenShown<frmPlayerList>(
            [](frmPlayerList* list) {
                list->lstNames->setCurrentRow(0);
                QTest::keyClick(list->lstNames, Qt::Key_Return);
            },
            30000);
        bool dealtFirst = false;
        QTimer closer; // closes the overview a new player gets: the example, then the instructions
        connect(&closer, &QTimer::timeout, [&] {
            if (auto* example = test::VisibleWindow<frmExample>()) {
                dealtFirst = Game().GameInProgress && Game().CardsOnBoard == 56;
                example->btnClose->click();
            } else if (auto* help = test::VisibleWindow<frmInstructions>())
                help->btnClose->click();
        });
        closer.start(20);
        frmMain main;
        main.Load();
        QVERIFY(dealtFirst && main.isVisible() && Game().PlayerName == QLatin1String("Ann"));
    }

    // --deal sets the first game's deal, which the game window deals; the
    // next game is the time of day's pick again. A bad number is refused.
    // --par prints the board, then par and its line of plays.
    void commandLine()
    {
        test::GameWindow w;
        w.Open(QStringLiteral("Tester"));
        QVERIFY(!Run({ "--deal", "4294967295" }) && Game().NextDealNumber == 4294967295u && !Run({}));
        for (const std::vector<const char*>& bad :
            { std::vector { "--deal", "0" }, { "--deal" }, { "--par", "1", "--seconds", "0" }, { "--par", "x" } })
            QCOMPARE(Run(bad), std::optional<int>(2));
        QCOMPARE(Run({ "--deal", "11982" }), std::nullopt);
        w->NewGame();
        const GameState& g = Game();
        QVERIFY(g.DealNumber == 11982u && g.SavedDeck == DealOrder(11982));
        w->NewGame();
        QVERIFY(g.NextDealNumber == 0u && g.SavedDeck == DealOrder(g.DealNumber));
        w.Close();

        QString printed;
        QCOMPARE(Run({ "--par", "1", "--seconds", "0.05" }, &printed), std::optional<int>(0));
        const QStringList lines = printed.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(
            lines.size() > 10 && lines[0] == QStringLiteral("Deal 1") && lines[9].startsWith(QStringLiteral("Par: $")));
        // Eight columns of seven cards, then one play a line with its hand's name.
        const QRegularExpression column(QStringLiteral("^(JK|[A2-9TJQK][CDHS])( (JK|[A2-9TJQK][CDHS])){6}$"));
        const QRegularExpression play(
            QStringLiteral("^(JK|[A2-9TJQK][CDHS])( (JK|[A2-9TJQK][CDHS])){0,4}(  [1-4A-Z][A-Za-z ]*[a-z])?"
                           "(  \\(JK in column [1-8], [1-7](st|nd|rd|th) from the bottom\\))*$"));
        for (int i = 1; i < lines.size(); ++i)
            QVERIFY2(i == 9 || (i < 9 ? column : play).match(lines[i]).hasMatch(), qPrintable(lines[i]));
    }

    // Each of the signals that end a session: the program ends by itself,
    // without a question nobody could answer, with Ann's paid game in the
    // players file and Ann free for another copy.
    void signalEndsTheGameLikeItsCloseBox()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kChildMarker), QStringLiteral("1"));
        for (const int signal : { SIGTERM, SIGINT, SIGHUP }) {
            QTemporaryDir data;
            QProcess game;
            env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
            game.setProcessEnvironment(env);
            game.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(game.waitForReadyRead(30000));
            QCOMPARE(game.readLine().trimmed(), QByteArray("playing"));
            QCOMPARE(::kill(game.processId(), signal), 0);
            QVERIFY(game.waitForFinished(10000));
            QCOMPARE(
                std::tuple(signal, game.exitStatus(), game.exitCode()), std::tuple(signal, QProcess::NormalExit, 0));
            const QString folder = data.filePath(QStringLiteral("Solitaire Quibel"));
            const std::optional<PlayerRecord> ann
                = FindPlayer(folder + QStringLiteral("/players.dat"), QStringLiteral("Ann"));
            QVERIFY(ann && ann->Bankroll == 0 && ann->GamesPlayed == 1);
            QVERIFY(!QFile::exists(PlayerLockPath(folder, QStringLiteral("Ann"))));
        }
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(kChildMarker))
        return RunGameToEnd(argc, argv);
    QTemporaryDir dir;
    QFile screens(dir.filePath(QStringLiteral("screens.json")));
    if (!screens.open(QIODevice::WriteOnly) || screens.write(kScreens) < 0)
        return 1;
    screens.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens.fileName()).toUtf8());
    QApplication app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_startup.moc"
