#include "app/CommandLine.h"
#include "app/frmMain.h"
#include "game/DealNumber.h"
#include "game/GameState.h"
#include "records/SavePoints.h"
#include "records/TopTen.h"
#include "support/Files.h"
#include "support/WindowTest.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace {

const TopTenRow kOwnRow { QStringLiteral("Player"), 9000 };

void WriteOwnTable(const QDateTime& modified)
{
    GameState g;
    g.DataFolder = Game().DataFolder;
    g.TopTen[0] = kOwnRow;
    test::WriteTopTenFile(g.DataFolder, g.TopTen);
    QFile file(TopTenFilePath(g.DataFolder));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
}

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

class TestStartup : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> data_;

private slots:
    void init() { data_ = test::FreshGame(); }

    void noTopTenFileGivesTheDefaultTable()
    {
        test::MsgBoxRecorder boxes;
        frmMain main;
        QVERIFY(main.PrepareWindow());
        QVERIFY(boxes.calls.isEmpty());
        QVERIFY(QFile::exists(TopTenFilePath(Game().DataFolder)));
        QCOMPARE(Game().TopTen[9], (TopTenRow { QStringLiteral("*******"), 3000 }));
    }

    // A table 16 days old is offered for clearing, Yes clears it and No keeps it; at 15.25 days nothing is asked.
    void oldTableIsOfferedForClearing()
    {
        for (const auto& [changedAt, answer, asked, cleared] : { std::tuple { QTime(0, 0), int(vbYes), true, true },
                 { QTime(0, 0), int(vbNo), true, false }, { QTime(18, 0), int(vbYes), false, false } }) {
            init();
            WriteOwnTable(QDateTime(QDate::currentDate().addDays(-16), changedAt));
            test::MsgBoxRecorder boxes;
            boxes.answers = { answer };
            frmMain main;
            QVERIFY(main.PrepareWindow());
            QCOMPARE(boxes.calls.size(), asked ? 1 : 0);
            if (asked)
                QCOMPARE(boxes.calls[0].text,
                    QStringLiteral("The Top Ten High Scores have not been added to in over 15 days.  Would you like "
                                   "to clear them now?"));
            QCOMPARE(Game().TopTen[0], (cleared ? TopTenRow { QStringLiteral("*******"), 7500 } : kOwnRow));
        }
    }

    // Clearing a table that cannot be written keeps it, and the player is told.
    void oldTableThatCannotBeCleared()
    {
        Saves() = {};
        WriteOwnTable(QDateTime(QDate::currentDate().addDays(-16), QTime(0, 0)));
        const QString path = TopTenFilePath(Game().DataFolder);
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        test::MsgBoxRecorder boxes;
        boxes.answers = { vbYes };
        frmMain main;
        QVERIFY(main.PrepareWindow());
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

        QCOMPARE(boxes.calls.size(), 2);
        QCOMPARE(boxes.calls[1].title, QStringLiteral("Not Saved"));
        QCOMPARE(Game().TopTen[0], kOwnRow);
        Saves() = {};
    }

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

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
