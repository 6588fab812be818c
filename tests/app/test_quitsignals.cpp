#include "app/QuitSignals.h"
#include "app/frmMain.h"
#include "game/GameState.h"
#include "records/PlayerLock.h"
#include "records/PlayersFile.h"
#include "ui/Sound.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>

namespace {

const QString kAnn = QStringLiteral("Ann");
constexpr char kChildMarker[] = "QUIBEL_TEST_GAME_TO_END";

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
    if (!window.PrepareWindow() || !AppendPlayer(g.PlayersFilePath, kAnn))
        return 3;
    LoadPlayer(g, *FindPlayer(g.PlayersFilePath, kAnn));
    g.SoundOn = false;
    if (!ChosenPlayerLock().Take(g.DataFolder, kAnn))
        return 3;
    window.NewGame();
    std::puts(g.GameInProgress ? "playing" : "not playing");
    std::fflush(stdout);
    return QApplication::exec();
}

} // namespace

class TestQuitSignals : public QObject {
    Q_OBJECT

private slots:
    void signalEndsTheGameLikeItsCloseBox_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    // The program ends by itself, without a question nobody could answer,
    // with Ann's paid game in the players file and Ann free for another copy.
    void signalEndsTheGameLikeItsCloseBox()
    {
        QFETCH(int, signal);
        QTemporaryDir data;
        QProcess game;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kChildMarker), QStringLiteral("1"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
        game.setProcessEnvironment(env);
        game.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(game.waitForReadyRead(30000));
        QCOMPARE(game.readLine().trimmed(), QByteArray("playing"));

        QCOMPARE(::kill(game.processId(), signal), 0);
        QVERIFY(game.waitForFinished(10000));
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), 0);

        const QString folder = data.filePath(QStringLiteral("Solitaire Quibel"));
        const std::optional<PlayerRecord> ann = FindPlayer(folder + QStringLiteral("/players.dat"), kAnn);
        QVERIFY(ann);
        QCOMPARE(ann->Bankroll, 0);
        QCOMPARE(ann->GamesPlayed, 1);
        QVERIFY(!QFile::exists(PlayerLockPath(folder, kAnn)));
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(kChildMarker))
        return RunGameToEnd(argc, argv);
    QApplication app(argc, argv);
    TestQuitSignals test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_quitsignals.moc"
