#include "game/GameState.h"
#include "records/SavePoints.h"
#include "records/TopTen.h"
#include "recordwindows/frmTopTen.h"
#include "support/Files.h"
#include "support/WindowTest.h"

#include <QLabel>
#include <QPushButton>

namespace {

struct Shown {
    QStringList names, scores;
    QList<int> yellowRows;
};

Shown Read(const frmTopTen* w)
{
    Shown s;
    for (int i = 0; i < frmTopTen::kRows; ++i) {
        s.names.append(w->lblName[i]->text());
        s.scores.append(w->lblScore[i]->text());
        if (w->lblName[i]->palette().color(QPalette::WindowText) == frmTopTen::kCurrentPlayerColor
            && w->lblScore[i]->palette().color(QPalette::WindowText) == frmTopTen::kCurrentPlayerColor)
            s.yellowRows.append(i);
    }
    return s;
}

// Opens the window, reads it, optionally acts on it, and closes it with OK.
Shown ShowAndRead(const std::function<void(frmTopTen*)>& act = {})
{
    Shown shown;
    test::WhenShown<frmTopTen>([&](frmTopTen* w) {
        if (act)
            act(w);
        shown = Read(w);
        QTest::mouseClick(w->btnOK, Qt::LeftButton);
    });
    ShowTopTenWindow();
    return shown;
}

QString Dotted(const QString& name)
{
    return QLatin1Char(' ') + name + QString(29 - name.size(), QLatin1Char('.'));
}

} // namespace

class TestFrmTopTen : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> data_;

private slots:
    void init()
    {
        data_ = test::FreshGame();
        QVERIFY(ResetTopTen(Game()) && LoadTopTen(Game()));
    }

    // Rows are shown sorted, names dotted to a fixed width, scores as money;
    // a row without a name ends the table on screen.
    void rowsAreSortedAndDotted()
    {
        GameState& g = Game();
        g.TopTen[9] = { QStringLiteral("Ann"), 8000 };
        g.TopTen[4] = { QStringLiteral("Bartholomew Montgomery"), 5600 };
        g.TopTen[8] = {};
        const Shown s = ShowAndRead();
        QCOMPARE(s.names[0], QStringLiteral(" Ann..........................")); // 30 wide
        QCOMPARE(s.scores[0], QStringLiteral(" $8,000 "));
        QCOMPARE(s.names[5], Dotted(QStringLiteral("Bartholomew Montgomery")));
        QCOMPARE(s.scores[8], QStringLiteral(" $4,000 "));
        QVERIFY(s.names[9].isEmpty() && s.scores[9].isEmpty());
        QCOMPARE(g.TopTen[0].Name, QStringLiteral("Ann"));
    }

    // The current player's row with this game's score is yellow once the game
    // is over, never while one is running; with two such rows only the lower one is.
    void currentPlayersRowHighlight()
    {
        GameState& g = Game();
        g.PlayerName = QStringLiteral("Ann");
        g.GameScore = 8000;
        g.TopTen[9] = { QStringLiteral("Ann"), 8000 };
        g.TopTen[8] = { QStringLiteral("Bob"), 8000 };
        Shown s = ShowAndRead();
        const int annRow = int(s.names.indexOf(Dotted(QStringLiteral("Ann"))));
        QVERIFY(annRow == 0 || annRow == 1);
        QCOMPARE(s.yellowRows, QList<int> { annRow });

        g.TopTen[0] = { QStringLiteral("Ann"), 8000 };
        g.TopTen[1] = { QStringLiteral("Ann"), 8000 };
        s = ShowAndRead();
        QCOMPARE(s.yellowRows, QList<int> { 1 });

        g.GameInProgress = true;
        s = ShowAndRead();
        QVERIFY(s.yellowRows.isEmpty());
    }

    // No keeps the table; Yes writes the default table and shows it.
    void resetScores()
    {
        GameState& g = Game();
        g.PlayerName = QStringLiteral("Ann");
        g.GameScore = 9000;
        g.TopTen[9] = { QStringLiteral("Ann"), 9000 };
        test::WriteTopTenFile(g.DataFolder, g.TopTen);
        test::MsgBoxRecorder boxes;
        boxes.answers = { vbNo, vbYes };
        Shown afterNo;
        const Shown afterYes = ShowAndRead([&](frmTopTen* w) {
            QTest::mouseClick(w->btnResetScores, Qt::LeftButton);
            afterNo = Read(w);
            QTest::mouseClick(w->btnResetScores, Qt::LeftButton);
        });
        QCOMPARE(boxes.calls.size(), 2);
        QCOMPARE(
            boxes.calls[0].text, QStringLiteral("Are you sure you want to reset the list of Top Ten High Scores?"));
        QCOMPARE(afterNo.names[0], Dotted(QStringLiteral("Ann")));
        QCOMPARE(afterNo.yellowRows, QList<int> { 0 });

        QVERIFY(afterYes.yellowRows.isEmpty());
        QCOMPARE(afterYes.names[0], Dotted(QStringLiteral("*******")));
        QCOMPARE(afterYes.scores[9], QStringLiteral(" $3,000 "));
        QCOMPARE(test::TopTenOnDisk(g.DataFolder), g.TopTen);
    }
};

QTEST_MAIN(TestFrmTopTen)
#include "test_frmtopten.moc"
