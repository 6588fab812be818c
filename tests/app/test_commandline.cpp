#include "app/CommandLine.h"
#include "app/frmMain.h"
#include "game/DealNumber.h"
#include "game/GameState.h"
#include "support/WindowTest.h"

#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {
std::optional<int> Run(std::vector<const char*> args)
{
    args.insert(args.begin(), "solitaire-quibel");
    return RunCommandLine(static_cast<int>(args.size()), const_cast<char**>(args.data()));
}

// What a call prints on standard output.
QString Printed(const std::vector<const char*>& args, std::optional<int>& exitCode)
{
    QTemporaryFile file;
    if (!file.open())
        return {};
    std::fflush(stdout);
    const int saved = dup(fileno(stdout));
    dup2(file.handle(), fileno(stdout));
    exitCode = Run(args);
    std::fflush(stdout);
    dup2(saved, fileno(stdout));
    close(saved);
    file.seek(0);
    return QString::fromLatin1(file.readAll());
}
} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void dealNumberForTheFirstGame()
    {
        Game().NextDealNumber = 0;
        QCOMPARE(Run({ "--deal", "4294967295" }), std::nullopt);
        QCOMPARE(Game().NextDealNumber, 4294967295u);
        QCOMPARE(Run({}), std::nullopt);
        for (const char* bad : { "0", "4294967296", "seven" })
            QCOMPARE(Run({ "--deal", bad }), std::optional<int>(2));
        QCOMPARE(Run({ "--deal" }), std::optional<int>(2));
    }

    void gameWindowDealsTheAskedDeal()
    {
        test::GameWindow w;
        w.Open(QStringLiteral("Tester"));
        QCOMPARE(Run({ "--deal", "11982" }), std::nullopt);
        w->NewGame();
        const GameState& g = Game();
        QCOMPARE(g.DealNumber, 11982u);
        QCOMPARE(g.SavedDeck, DealOrder(11982));
        w->NewGame(); // only the first game: the next one is the time of day's pick
        QCOMPARE(g.NextDealNumber, 0u);
        QCOMPARE(g.SavedDeck, DealOrder(g.DealNumber));
        w.Close();
    }

    void parPrintsTheBoardThenTheLine()
    {
        std::optional<int> exitCode;
        const QStringList lines
            = Printed({ "--par", "1", "--seconds", "0.05" }, exitCode).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(exitCode, std::optional<int>(0));
        QVERIFY(lines.size() > 10);
        QCOMPARE(lines[0], QStringLiteral("Deal 1"));
        QVERIFY(lines[9].startsWith(QStringLiteral("Par: $")));
        const QRegularExpression play(QStringLiteral("^(JK|[A2-9TJQK][CDHS])( (JK|[A2-9TJQK][CDHS])){0,4}(  .+)?$"));
        for (int i = 10; i < lines.size(); ++i)
            QVERIFY2(play.match(lines[i]).hasMatch(), qPrintable(lines[i]));

        QCOMPARE(Run({ "--par", "1", "--seconds", "0" }), std::optional<int>(2));
        QCOMPARE(Run({ "--par", "x" }), std::optional<int>(2));
    }
};

QTEST_MAIN(TestCommandLine)
#include "test_commandline.moc"
