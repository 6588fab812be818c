// The player list and its add window, driven as a player drives them.

#include "records/PlayerLock.h"
#include "recordwindows/frmAddPlayer.h"
#include "recordwindows/frmPlayerList.h"
#include "support/FullDisk.h"
#include "support/Inventory.h"
#include "support/WindowTest.h"
#include "ui/frmExample.h"
#include "ui/frmInstructions.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>

namespace {

QStringList FileNames()
{
    QStringList names;
    for (const PlayerRecord& p : ReadPlayers(Game().PlayersFilePath))
        names.append(p.Name);
    return names;
}

// Players with their bankrolls, four games played each, added to the players file.
void AddToFile(const QList<std::pair<QString, int32_t>>& players)
{
    for (const auto& [name, bankroll] : players) {
        QVERIFY(AppendPlayer(Game().PlayersFilePath, name));
        GameState g = Game();
        LoadPlayer(g, NewPlayerRecord(name));
        g.Bankroll = bankroll;
        g.GamesPlayed = 4;
        QVERIFY(SavePlayers(g));
    }
}

// Highlights the player's row of the list.
void Highlight(frmPlayerList* w, const QString& name)
{
    for (int row = 0; row < w->lstNames->count(); ++row) {
        if (ListLineName(w->lstNames->item(row)->text()) == name)
            w->lstNames->setCurrentRow(row);
    }
}

// The list's rows as drawn: name, bankroll and average in their columns.
QStringList Listed(const frmPlayerList* w)
{
    QStringList rows;
    for (int row = 0; row < w->lstNames->count(); ++row)
        rows.append(w->lstNames->item(row)->text().replace(QRegularExpression(" *\t *"), " | "));
    return rows;
}

void PressEnterOn(frmPlayerList* w, const QString& name)
{
    Highlight(w, name);
    QTest::keyClick(w->lstNames, Qt::Key_Return);
}

void DoubleClickOn(frmPlayerList* w, const QString& name)
{
    Highlight(w, name);
    const QPoint at = w->lstNames->visualItemRect(w->lstNames->currentItem()).center();
    // A view takes a double-click only on the item a press has just hit.
    QTest::mouseClick(w->lstNames->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(w->lstNames->viewport(), Qt::LeftButton, {}, at);
}

// Shows the list (with or without its close button) and acts on it once it shows.
void RunList(bool closeButton, const std::function<void(frmPlayerList*)>& act)
{
    test::WhenShown<frmPlayerList>(act);
    ShowPlayerListWindow(nullptr, closeButton);
}

// Answers the next add window with the name, by Enter or by its OK button.
void TypeNewPlayer(const QString& name, bool byEnter = true)
{
    test::WhenShown<frmAddPlayer>([name, byEnter](frmAddPlayer* add) {
        QTest::keyClicks(add->txtPlayerName, name);
        if (byEnter)
            QTest::keyClick(add->txtPlayerName, Qt::Key_Return);
        else
            QTest::mouseClick(add->btnOkCancel[0], Qt::LeftButton);
    });
}

} // namespace

class TestFrmPlayerList : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> data_;

private slots:
    void init() { data_ = test::FreshGame(); }

    // With no players the add window comes first; a typed name is listed
    // trimmed. A name already in the file is refused and the add window
    // stays; in other letter case it is another player, listed and
    // highlighted. Enter on no selection does nothing, a name gone from the
    // file keeps the list open, and a double-click chooses.
    void addPlayersThenChooseByDoubleClick()
    {
        test::MsgBoxRecorder boxes;
        int currentAfterSecond = -1, listedAfterMissing = 0;
        bool duplicateKeptOpen = false, refusedKeptOpen = false;
        QList<bool> open;
        TypeNewPlayer(QStringLiteral("  Ann  "));
        QStringList listShown, addShown, linesAfterFirst;
        RunList(false, [&](frmPlayerList* w) {
            listShown = test::Shown(w);
            linesAfterFirst = Listed(w);
            test::WhenShown<frmAddPlayer>([&](frmAddPlayer* add) {
                addShown = test::Shown(add);
                add->txtPlayerName->setText(QStringLiteral("Ann, Bo"));
                QTest::mouseClick(add->btnOkCancel[0], Qt::LeftButton);
                refusedKeptOpen = add->isVisible();
                add->txtPlayerName->setText(QStringLiteral("Ann"));
                QTest::mouseClick(add->btnOkCancel[0], Qt::LeftButton);
                duplicateKeptOpen = add->isVisible() && add->txtPlayerName->selectedText() == QLatin1String("Ann");
                add->txtPlayerName->setText(QStringLiteral(" ann"));
                QTest::mouseClick(add->btnOkCancel[0], Qt::LeftButton);
            });
            w->MenuFileAddPlayer->trigger();
            currentAfterSecond = w->lstNames->currentRow();
            w->lstNames->setCurrentItem(nullptr);
            QTest::keyClick(w->lstNames, Qt::Key_Return);
            open.append(w->isVisible());
            QVERIFY(DeletePlayer(Game().PlayersFilePath, QStringLiteral("ann")));
            PressEnterOn(w, QStringLiteral("ann"));
            open.append(w->isVisible());
            listedAfterMissing = w->lstNames->count();
            DoubleClickOn(w, QStringLiteral("Ann"));
        });
        QCOMPARE(linesAfterFirst, QStringList { "Ann | $1,000 | $0" });
        const QString title = "Solitaire Quibel Player List";
        QCOMPARE(listShown,
            test::Sorted({ "title: " + title, title + " #ffff00", title + " #000000", "Player Name: #ffffc0",
                "Bankroll: #ffffc0", "Average Score: #ffffc0",
                "To select a player and begin the game, highlight the player's name and press Enter on your keyboard, "
                "or doublclick the player's name.  Use the <u>F</u>ile pull-down menu above to add or delete players "
                "from the list. #ffffff",
                "&File > &Add a Player", "&File > &Delete Player", "&File > E&xit", "&View > &Top Ten List",
                "&Help > &Contents", "&Help > Overview/&Quick Start", "&Help > Check for &Updates",
                "&Help > &About" }));
        QCOMPARE(addShown, QStringList({ "[&Cancel]", "[&Ok]", "title: Add Player's Name" }));
        QVERIFY(duplicateKeptOpen && refusedKeptOpen);
        QCOMPARE(std::tuple(currentAfterSecond, open, listedAfterMissing), std::tuple(1, QList { true, true }, 1));
        QCOMPARE(test::Boxes(boxes.calls),
            QStringList({ "Player Name Not Allowed [warning OK]", "Player Name Already Exists [stop OK]",
                "No Player Selected [information OK]" }));
        QCOMPARE(Game().PlayerName, QStringLiteral("Ann"));
    }

    // Delete's No keeps the player; Yes removes the line and, for the current
    // player, leaves no player chosen; the row that took its place is
    // highlighted, and stays so after Escape answered No. A name that looks
    // like markup is listed as typed; one that shows as nothing adds nothing,
    // like an empty one, and so does Escape. Closing the list straight after
    // adding makes the new player current with its own record.
    void deleteThenAddAndClose()
    {
        const QString markup = QStringLiteral("<h1>BIG</h1>");
        AddToFile({ { QStringLiteral("Ann"), 2500 }, { QStringLiteral("Bob"), 1000 }, { markup, 1000 } });
        LoadPlayer(Game(), *FindPlayer(Game().PlayersFilePath, QStringLiteral("Ann")));
        test::MsgBoxRecorder boxes { vbNo, vbYes, vbNo, vbNo };
        QList<int> counts;
        bool annLeft = false, bobKept = false, blankKeptOpen = true;
        const QString longName = QStringLiteral("Cyrilla Wintergreen-Holmes"), cy = longName.left(25);
        QString nameAfterFailedAdd = QStringLiteral("?");
        QStringList listed;
        RunList(true, [&](frmPlayerList* w) {
            Highlight(w, QStringLiteral("Ann"));
            w->MenuFileDeletePlayer->trigger();
            counts.append(w->lstNames->count());
            w->MenuFileDeletePlayer->trigger();
            counts.append(w->lstNames->count());
            annLeft = Game().PlayerName.isEmpty();
            w->MenuFileDeletePlayer->trigger(); // Bob is highlighted now
            QTest::keyClick(w->lstNames, Qt::Key_Escape);
            const QListWidgetItem* current = w->lstNames->currentItem();
            bobKept = current && current->isSelected() && ListLineName(current->text()) == QStringLiteral("Bob");
            test::WhenShown<frmAddPlayer>([&](frmAddPlayer* add) {
                add->txtPlayerName->setText(QStringLiteral("\u200b\u00a0\u200d"));
                QTest::mouseClick(add->btnOkCancel[0], Qt::LeftButton);
                blankKeptOpen = add->isVisible();
                if (add->isVisible())
                    QTest::mouseClick(add->btnOkCancel[1], Qt::LeftButton);
            });
            w->MenuFileAddPlayer->trigger();
            test::WhenShown<frmAddPlayer>([](frmAddPlayer* add) {
                QTest::keyClicks(add->txtPlayerName, QStringLiteral("Zed"));
                QTest::keyClick(add, Qt::Key_Escape); // as Cancel: Zed is not added
            });
            w->MenuFileAddPlayer->trigger();
            TypeNewPlayer(QStringLiteral("Di"));
            {
                const test::FullDisk full(QFileInfo(Game().PlayersFilePath).size());
                w->MenuFileAddPlayer->trigger(); // the file cannot take Di
            }
            nameAfterFailedAdd = Game().PlayerName;
            TypeNewPlayer(longName, false); // the box keeps what a name may hold
            w->MenuFileAddPlayer->trigger();
            listed = Listed(w);
            QTest::mouseClick(w->btnClose, Qt::LeftButton);
        });
        QVERIFY(counts == (QList<int> { 3, 2 }) && annLeft && bobKept && !blankKeptOpen);
        QCOMPARE(listed, QStringList({ "Bob | $1,000 | $250", markup + " | $1,000 | $250", cy + " | $1,000 | $0" }));
        const QString deleteAnn = QStringLiteral("Delete Ann and his/her bankroll of $2,500 now?");
        QCOMPARE(boxes.Texts(),
            (QStringList { deleteAnn, deleteAnn, "Delete Bob and his/her bankroll of $1,000 now?",
                "You have not selected a player yet.  Do you wish to exit the game?",
                "The players file could not be written, so Di was not added.  Please try again later." }));
        QCOMPARE(test::Boxes(boxes.calls), // leaving answers No unless the player means it
            QStringList(3, "Delete Player? [question Yes/No]")
                + QStringList({ "No Player Selected [question Yes/No No default]", "Add a Player [information OK]" }));
        QCOMPARE(FileNames(), (QStringList { "Bob", markup, cy }));
        QCOMPARE(std::tuple(nameAfterFailedAdd, Game().PlayerName, Game().Bankroll), std::tuple(QString(), cy, 1000));
        ChosenPlayerLock().Release();
    }

    // While a game runs the list only shows the players. A player another
    // copy of the game plays as can be neither chosen nor deleted; the list
    // says so and stays open for another choice.
    void gameInProgressAndPlayerOfAnotherCopy()
    {
        AddToFile({ { QStringLiteral("Ann"), 1000 }, { QStringLiteral("Bob"), 1000 } });
        GameState& g = Game();
        LoadPlayer(g, *FindPlayer(g.PlayersFilePath, QStringLiteral("Ann")));
        g.GameInProgress = true;
        test::MsgBoxRecorder boxes;
        bool viewOnly = false;
        RunList(true, [&](frmPlayerList* w) {
            viewOnly = QTest::qWaitFor([w] { return w->focusWidget() == w->btnClose; }, 2000)
                && test::Shown(w).filter(QRegularExpression(" off$|^GAME|^\\[")) // what differs from the choosing list
                    == QStringList { "&File > &Add a Player off", "&File > &Delete Player off",
                           "GAME IN PROGRESS: The following is a list of players and their current scores.  Please "
                           "note, however, that you may not change players while a game is in progress. #ffffff",
                           "[&Close Window]" };
            DoubleClickOn(w, QStringLiteral("Bob"));
            PressEnterOn(w, QStringLiteral("Bob"));
            QTest::mouseClick(w->btnClose, Qt::LeftButton);
        });
        QVERIFY(viewOnly && g.PlayerName == QStringLiteral("Ann"));

        g.GameInProgress = false;
        g.PlayerName.clear();
        PlayerLock otherCopy;
        QVERIFY(otherCopy.Take(Game().DataFolder, QStringLiteral("Ann")));
        QList<bool> open;
        g.SoundOn = true;
        QStringList sounds;
        RunList(false, [&](frmPlayerList* w) {
            const test::SoundsHeard heard;
            PressEnterOn(w, QStringLiteral("Ann"));
            open.append(w->isVisible());
            w->MenuFileDeletePlayer->trigger();
            open.append(w->isVisible());
            PressEnterOn(w, QStringLiteral("Bob"));
            sounds = heard.names;
        });
        QCOMPARE(std::tuple(open, test::Runs(sounds)),
            std::tuple(QList { true, true }, QStringLiteral("bgclick*2 message2*2")));
        QCOMPARE(test::Boxes(boxes.calls),
            QStringList(2, "GAME IN PROGRESS [stop OK]") + QStringList(2, "Player Is Playing [information OK]"));
        QVERIFY(
            boxes.calls[2].text.startsWith(QStringLiteral("Ann is playing in another window of Solitaire Quibel.")));
        QCOMPARE(FileNames(), (QStringList { "Ann", "Bob" }));
        QCOMPARE(std::tuple(g.PlayerName, ChosenPlayerLock().Name()),
            std::tuple(QStringLiteral("Bob"), QStringLiteral("Bob")));
        ChosenPlayerLock().Release();
    }

    // Last, for it closes the game window, which ends the event loops of this
    // process. Choosing another player from the game window's menu shows that
    // player in the status band at once, even while the instructions are
    // open, and starts that player's game. Closing the list with nobody chosen
    // and answering Yes to leave closes the game window.
    void fromTheGameWindow()
    {
        test::GameWindow main;
        main.Open(QStringLiteral("Ann"));
        AddToFile({ { QStringLiteral("Bob"), 4000 } });
        Game().GameScore = 750; // Ann's last game
        QString shown; // the status band and the score as the new game starts
        test::WhenShown<frmPlayerList>([](frmPlayerList* w) { PressEnterOn(w, QStringLiteral("Bob")); });
        // The instructions open with their example over them.
        test::WhenShown<frmExample>([&](frmExample* example) {
            shown = main->c_PlayerStatus->Caption() + " / " + main->c_score->Caption();
            QTest::mouseClick(example->btnClose, Qt::LeftButton);
            QTimer::singleShot(0, [] {
                if (auto* help = test::VisibleWindow<frmInstructions>())
                    QTest::mouseClick(help->btnClose, Qt::LeftButton);
            });
        });
        main->MenuViewPlayerList->trigger();
        QCOMPARE(shown, "Player: Bob     Bankroll: $4,000     Average Score: $1,000 / Game:  $0");
        ChosenPlayerLock().Release();

        Game().PlayerName.clear(); // Bob's game has started: leaving forfeits it
        test::MsgBoxRecorder boxes { vbYes, vbYes };
        RunList(true, [](frmPlayerList* w) { QTest::mouseClick(w->btnClose, Qt::LeftButton); });
        QCOMPARE(test::Boxes(boxes.calls),
            QStringList({ "No Player Selected [question Yes/No No default]", "Exit Current Game? [question Yes/No]" }));
        QVERIFY(!main->isVisible() && Game().PlayerName.isEmpty());
    }
};

QTEST_MAIN(TestFrmPlayerList)
#include "test_frmplayerlist.moc"
