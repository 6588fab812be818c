#include "app/frmMain.h"
#include "game/GameState.h"
#include "records/PlayerLock.h"
#include "records/PlayersFile.h"
#include "recordwindows/frmAddPlayer.h"
#include "recordwindows/frmPlayerList.h"
#include "support/WindowTest.h"
#include "ui/Panel3D.h"
#include "ui/frmExample.h"
#include "ui/frmInstructions.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

namespace {

QStringList FileNames()
{
    QStringList names;
    for (const PlayerRecord& p : ReadPlayers(Game().PlayersFilePath))
        names.append(p.Name);
    return names;
}

int RowOf(const frmPlayerList* w, const QString& name)
{
    for (int row = 0; row < w->lstNames->count(); ++row) {
        if (ListLineName(w->lstNames->item(row)->text()) == name)
            return row;
    }
    return -1;
}

void PressEnterOn(frmPlayerList* w, const QString& name)
{
    w->lstNames->setCurrentRow(RowOf(w, name));
    QTest::keyClick(w->lstNames, Qt::Key_Return);
}

void DoubleClickOn(frmPlayerList* w, const QString& name)
{
    QListWidgetItem* item = w->lstNames->item(RowOf(w, name));
    const QPoint at = w->lstNames->visualItemRect(item).center();
    // A view takes a double-click only on the item a press has just hit.
    QTest::mouseClick(w->lstNames->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(w->lstNames->viewport(), Qt::LeftButton, {}, at);
}

// Types a name into the add window when it opens and presses Enter.
void TypeNewPlayer(const QString& name)
{
    test::WhenShown<frmAddPlayer>([name](frmAddPlayer* add) {
        QTest::keyClicks(add->txtPlayerName, name);
        QTest::keyClick(add->txtPlayerName, Qt::Key_Return);
    });
}

} // namespace

class TestFrmPlayerList : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> data_;

    static void AddToFile(const QList<std::pair<QString, int32_t>>& players)
    {
        for (const auto& [name, bankroll] : players) {
            QVERIFY(AppendPlayer(Game().PlayersFilePath, name));
            GameState g = Game();
            LoadPlayer(g, NewPlayerRecord(name));
            g.Bankroll = bankroll;
            QVERIFY(SavePlayers(g));
        }
    }

private slots:
    void init() { data_ = test::FreshGame(); }

    // With no players the add window comes first; typed names are listed and
    // the new one highlighted. Enter on no selection does nothing, a name gone
    // from the file keeps the list open, and a double-click chooses.
    void addPlayersThenChooseByDoubleClick()
    {
        test::MsgBoxRecorder boxes;
        QStringList linesAfterFirst;
        int currentAfterSecond = -1;
        QList<bool> open;
        int listedAfterMissing = 0;
        TypeNewPlayer(QStringLiteral("  Ann  "));
        test::WhenShown<frmPlayerList>([&](frmPlayerList* w) {
            for (int row = 0; row < w->lstNames->count(); ++row)
                linesAfterFirst.append(w->lstNames->item(row)->text());
            test::WhenShown<frmAddPlayer>([&](frmAddPlayer* add) {
                QTest::keyClicks(add->txtPlayerName, QStringLiteral("Bob"));
                QTest::mouseClick(add->btnOkCancel[0], Qt::LeftButton);
            });
            w->MenuFileAddPlayer->trigger();
            currentAfterSecond = w->lstNames->currentRow();
            w->lstNames->setCurrentItem(nullptr);
            QTest::keyClick(w->lstNames, Qt::Key_Return);
            open.append(w->isVisible());
            QVERIFY(DeletePlayer(Game().PlayersFilePath, QStringLiteral("Bob")));
            PressEnterOn(w, QStringLiteral("Bob"));
            open.append(w->isVisible());
            listedAfterMissing = w->lstNames->count();
            DoubleClickOn(w, QStringLiteral("Ann"));
        });
        ShowPlayerListWindow(nullptr, false);

        QCOMPARE(linesAfterFirst, QStringList { PlayerListLine(NewPlayerRecord(QStringLiteral("Ann"))) });
        QCOMPARE(currentAfterSecond, 1);
        QCOMPARE(open, (QList<bool> { true, true }));
        QCOMPARE(boxes.calls.size(), 1);
        QVERIFY(boxes.calls[0].text.contains(QStringLiteral("Bob")));
        QCOMPARE(listedAfterMissing, 1);
        QCOMPARE(Game().PlayerName, QStringLiteral("Ann"));
    }

    // A name already in the file is refused and the window stays; the same
    // name in other letter case is another player. Closing the list straight
    // after adding makes the new player current with its own record.
    void duplicateNameRefusedAndNewPlayerCurrent()
    {
        AddToFile({ { QStringLiteral("Ann"), 5000 } });
        GameState& g = Game();
        LoadPlayer(g, *FindPlayer(g.PlayersFilePath, QStringLiteral("Ann")));
        test::MsgBoxRecorder boxes;
        bool stayedOpen = false;
        test::WhenShown<frmPlayerList>([&](frmPlayerList* w) {
            test::WhenShown<frmAddPlayer>([&](frmAddPlayer* add) {
                add->txtPlayerName->setText(QStringLiteral("Ann"));
                QTest::mouseClick(add->btnOkCancel[0], Qt::LeftButton);
                stayedOpen = add->isVisible() && add->txtPlayerName->selectedText() == QLatin1String("Ann");
                add->txtPlayerName->setText(QStringLiteral(" ann"));
                QTest::keyClick(add->txtPlayerName, Qt::Key_Return);
            });
            w->MenuFileAddPlayer->trigger();
            QTest::mouseClick(w->btnClose, Qt::LeftButton);
        });
        ShowPlayerListWindow(nullptr, true);

        QVERIFY(stayedOpen);
        QCOMPARE(boxes.calls.size(), 1);
        QCOMPARE(boxes.calls[0].title, QStringLiteral("Player Name Already Exists"));
        QCOMPARE(FileNames(), (QStringList { QStringLiteral("Ann"), QStringLiteral("ann") }));
        QCOMPARE(g.PlayerName, QStringLiteral("ann"));
        QCOMPARE(g.Bankroll, 1000);
    }

    // No keeps the player; Yes removes the line and, for the current player,
    // leaves no player chosen.
    void deletePlayers()
    {
        AddToFile({ { QStringLiteral("Ann"), 2500 }, { QStringLiteral("Bob"), 1000 } });
        Game().PlayerName = QStringLiteral("Ann");
        test::MsgBoxRecorder boxes;
        boxes.answers = { vbNo, vbYes, vbNo };
        QList<int> counts;
        test::WhenShown<frmPlayerList>([&](frmPlayerList* w) {
            w->lstNames->setCurrentRow(RowOf(w, QStringLiteral("Ann")));
            w->MenuFileDeletePlayer->trigger();
            counts.append(w->lstNames->count());
            w->MenuFileDeletePlayer->trigger();
            counts.append(w->lstNames->count());
            w->MenuFileDeletePlayer->trigger(); // Bob is highlighted now
            QTest::mouseClick(w->btnClose, Qt::LeftButton);
            PressEnterOn(w, QStringLiteral("Bob"));
        });
        ShowPlayerListWindow(nullptr, true);

        QCOMPARE(counts, (QList<int> { 2, 1 }));
        QCOMPARE(boxes.calls.size(), 4);
        QCOMPARE(boxes.calls[0].text, QStringLiteral("Delete Ann and his/her bankroll of $2,500 now?"));
        QCOMPARE(boxes.calls[2].text, QStringLiteral("Delete Bob and his/her bankroll of $1,000 now?"));
        QCOMPARE(boxes.calls[3].title, QStringLiteral("No Player Selected"));
        QCOMPARE(FileNames(), QStringList { QStringLiteral("Bob") });
        QCOMPARE(Game().PlayerName, QStringLiteral("Bob"));
    }

    // While a game runs the list only shows the players.
    void gameInProgressRefusesChanges()
    {
        AddToFile({ { QStringLiteral("Ann"), 1000 }, { QStringLiteral("Bob"), 1000 } });
        GameState& g = Game();
        LoadPlayer(g, *FindPlayer(g.PlayersFilePath, QStringLiteral("Ann")));
        g.GameInProgress = true;
        test::MsgBoxRecorder boxes;
        bool viewOnly = false;
        test::WhenShown<frmPlayerList>([&](frmPlayerList* w) {
            viewOnly = QTest::qWaitFor([w] { return w->focusWidget() == w->btnClose; }, 2000)
                && !w->MenuFileAddPlayer->isEnabled() && !w->MenuFileDeletePlayer->isEnabled()
                && w->lblSelectInstructions->text().startsWith(
                    QStringLiteral("GAME IN PROGRESS: The following is a list of players"));
            DoubleClickOn(w, QStringLiteral("Bob"));
            PressEnterOn(w, QStringLiteral("Bob"));
            QTest::mouseClick(w->btnClose, Qt::LeftButton);
        });
        ShowPlayerListWindow(nullptr, true);

        QVERIFY(viewOnly);
        QCOMPARE(boxes.calls.size(), 2);
        for (const MsgBoxCall& call : boxes.calls)
            QVERIFY(call.text.startsWith(QStringLiteral("You may not change players while a game is in progress.")));
        QCOMPARE(g.PlayerName, QStringLiteral("Ann"));
    }

    // Enter always has a player to choose: after a deletion the row that took
    // the deleted one's place is current, and after Escape answered No the
    // highlighted player stays highlighted.
    void enterChoosesAfterDeleteAndAfterEscape()
    {
        AddToFile({ { QStringLiteral("Ann"), 1000 }, { QStringLiteral("Bob"), 1000 }, { QStringLiteral("Cy"), 1000 } });
        test::MsgBoxRecorder boxes;
        boxes.answers = { vbYes };
        test::WhenShown<frmPlayerList>([](frmPlayerList* w) {
            w->lstNames->setCurrentRow(RowOf(w, QStringLiteral("Bob")));
            w->MenuFileDeletePlayer->trigger();
            QTest::keyClick(w->lstNames, Qt::Key_Return);
            if (w->isVisible())
                w->done(QDialog::Rejected); // Enter chose nobody
        });
        ShowPlayerListWindow(nullptr, false);
        QCOMPARE(Game().PlayerName, QStringLiteral("Cy"));

        Game().PlayerName.clear();
        boxes.answers = { vbNo };
        test::WhenShown<frmPlayerList>([](frmPlayerList* w) {
            w->lstNames->setCurrentRow(RowOf(w, QStringLiteral("Cy")));
            QTest::keyClick(w->lstNames, Qt::Key_Escape);
            QTest::keyClick(w->lstNames, Qt::Key_Return);
            if (w->isVisible())
                w->done(QDialog::Rejected); // Enter chose nobody
        });
        ShowPlayerListWindow(nullptr, false);
        QCOMPARE(boxes.calls.size(), 2);
        QCOMPARE(boxes.calls[1].title, QStringLiteral("No Player Selected"));
        QCOMPARE(Game().PlayerName, QStringLiteral("Cy"));
    }

    // A name is shown as typed, never as markup, and a name that shows as
    // nothing is refused like an empty one.
    void typedTextShownAsTyped()
    {
        const QString markup = QStringLiteral("<h1>BIG</h1>");
        AddToFile({ { markup, 1000 } });
        Qt::TextFormat format = Qt::AutoText;
        QString shown;
        bool refusedVisibly = true;
        test::WhenShown<frmPlayerList>([&](frmPlayerList* w) {
            test::WhenShown<QMessageBox>([&](QMessageBox* box) {
                format = box->textFormat();
                shown = box->text();
                box->button(QMessageBox::No)->click();
            });
            w->lstNames->setCurrentRow(0);
            w->MenuFileDeletePlayer->trigger();
            test::MsgBoxRecorder boxes;
            test::WhenShown<frmAddPlayer>([&](frmAddPlayer* add) {
                add->txtPlayerName->setText(QStringLiteral("\u200b\u00a0\u200d"));
                QTest::mouseClick(add->btnOkCancel[0], Qt::LeftButton);
                refusedVisibly = add->isVisible();
                if (add->isVisible())
                    QTest::mouseClick(add->btnOkCancel[1], Qt::LeftButton);
            });
            w->MenuFileAddPlayer->trigger();
            PressEnterOn(w, markup);
        });
        ShowPlayerListWindow(nullptr, false);

        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shown, QStringLiteral("Delete <h1>BIG</h1> and his/her bankroll of $1,000 now?"));
        QVERIFY(!refusedVisibly); // refused as empty, not shown as a name
        QCOMPARE(FileNames(), QStringList { markup });
        QCOMPARE(Game().PlayerName, markup);
    }

    // A player another copy of the game plays as can be neither chosen nor
    // deleted here; the list says so and stays open for another choice.
    void playerOfAnotherWindow()
    {
        AddToFile({ { QStringLiteral("Ann"), 1000 }, { QStringLiteral("Bob"), 1000 } });
        PlayerLock otherCopy;
        QVERIFY(otherCopy.Take(Game().DataFolder, QStringLiteral("Ann")));
        test::MsgBoxRecorder boxes;
        QList<bool> open;
        test::WhenShown<frmPlayerList>([&](frmPlayerList* w) {
            PressEnterOn(w, QStringLiteral("Ann"));
            open.append(w->isVisible());
            w->MenuFileDeletePlayer->trigger();
            open.append(w->isVisible());
            PressEnterOn(w, QStringLiteral("Bob"));
        });
        ShowPlayerListWindow(nullptr, false);

        QCOMPARE(open, (QList<bool> { true, true }));
        QCOMPARE(boxes.calls.size(), 2);
        for (const MsgBoxCall& call : boxes.calls)
            QVERIFY(call.text.startsWith(QStringLiteral("Ann is playing in another window of Solitaire Quibel.")));
        QCOMPARE(FileNames(), (QStringList { QStringLiteral("Ann"), QStringLiteral("Bob") }));
        QCOMPARE(Game().PlayerName, QStringLiteral("Bob"));
        QCOMPARE(ChosenPlayerLock().Name(), QStringLiteral("Bob"));
        ChosenPlayerLock().Release();
    }

    // Choosing another player from the game window's menu shows that player
    // in the status band at once, even while the instructions are open.
    void chosenPlayerShownAtOnce()
    {
        test::GameWindow main;
        main.Open(QStringLiteral("Ann"));
        AddToFile({ { QStringLiteral("Bob"), 4000 } });
        GameState& g = Game();
        g.GameScore = 750; // Ann's last game
        QString status;
        QString score;
        test::WhenShown<frmPlayerList>([](frmPlayerList* w) { PressEnterOn(w, QStringLiteral("Bob")); });
        // The instructions open with their example over them.
        test::WhenShown<frmExample>([&](frmExample* example) {
            status = main->c_PlayerStatus->Caption();
            score = main->c_score->Caption();
            QTest::mouseClick(example->btnClose, Qt::LeftButton);
            QTimer::singleShot(0, [] {
                if (auto* help = test::VisibleWindow<frmInstructions>())
                    QTest::mouseClick(help->btnClose, Qt::LeftButton);
            });
        });
        main->MenuViewPlayerList->trigger();

        QCOMPARE(g.PlayerName, QStringLiteral("Bob"));
        QVERIFY2(status.contains(QStringLiteral("Bob")) && status.contains(FormatMoney(4000)), qPrintable(status));
        QCOMPARE(score, QStringLiteral("Game:  ") + FormatMoney(0));
        ChosenPlayerLock().Release();
    }

    // Last: closing the game window ends the event loops of this process.
    void yesToExitClosesTheGameWindow()
    {
        frmMain main;
        QVERIFY(main.PrepareWindow());
        AddToFile({ { QStringLiteral("Ann"), 1000 } });
        test::MsgBoxRecorder boxes;
        boxes.answers = { vbYes };
        test::WhenShown<frmPlayerList>([](frmPlayerList* w) { QTest::mouseClick(w->btnClose, Qt::LeftButton); });
        ShowPlayerListWindow(&main, true);
        QCOMPARE(boxes.calls.size(), 1);
        QVERIFY(!main.isVisible());
        QVERIFY(Game().PlayerName.isEmpty());
    }
};

QTEST_MAIN(TestFrmPlayerList)
#include "test_frmplayerlist.moc"
