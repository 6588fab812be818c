// The instructions window with its example picture and its way into the help,
// and the help window itself.

#include "app/frmMain.h"
#include "game/GameState.h"
#include "support/WindowTest.h"
#include "ui/HelpWindow.h"
#include "ui/frmExample.h"
#include "ui/frmInstructions.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>

#include <tuple>

namespace {

// Opens the instructions; the example that opens by itself is counted and
// closed, then `act` runs on the instructions, after which they are closed.
int RunInstructions(bool hideDoNotShow, const std::function<void(frmInstructions*)>& act)
{
    int examples = 0;
    test::WhenShown<frmExample>([&](frmExample* e) {
        ++examples;
        QTest::mouseClick(e->btnClose, Qt::LeftButton);
        QTimer::singleShot(0, [&] {
            if (auto* w = test::VisibleWindow<frmInstructions>()) {
                act(w);
                QTest::mouseClick(w->btnClose, Qt::LeftButton);
            }
        });
    });
    ShowInstructionsWindow(nullptr, hideDoNotShow);
    return examples;
}

// The current player (none for an empty name) with that setting, kept in the players file.
void SetPlayer(const QString& name, bool showInstructions)
{
    QFile::remove(Game().PlayersFilePath);
    Game().PlayerName.clear();
    if (!name.isEmpty())
        test::PlayAs(name);
    Game().ShowInstructions = showInstructions;
    if (!name.isEmpty())
        QVERIFY(SavePlayers(Game()));
}

} // namespace

class TestFrmInstructions : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> data_;

private slots:
    void initTestCase()
    {
        data_ = test::FreshGame();
        Game().SoundOn = false;
    }

    // With nobody to keep the choice for, the box is not there and the
    // instructions are switched on; after three misplays it is not there
    // either, and a player's choice stays as it was.
    void doNotShowBox()
    {
        const QString caption = QStringLiteral("Do &not show these instructions again at startup for ");
        // Player, instructions on before, opened by misplays, the box's caption (empty: no box), on after.
        for (const auto& [player, showBefore, afterMisplays, boxCaption, showAfter] :
            { std::tuple { QString(), false, false, QString(), true },
                { QStringLiteral("Bo & Di"), true, false, caption + QStringLiteral("Bo && Di"), true },
                { QStringLiteral("Ann"), false, true, QString(), false } }) {
            SetPlayer(player, showBefore);
            QString shown;
            RunInstructions(afterMisplays, [&](frmInstructions* w) {
                if (w->chkDoNotShow->isVisibleTo(w))
                    shown = w->chkDoNotShow->text();
            });
            QCOMPARE(shown, boxCaption);
            QCOMPARE(Game().ShowInstructions, showAfter);
        }
    }

    // The box shows the setting (ticked when the instructions are off); each
    // run clicks it, and closing keeps the choice in the players file.
    void playerChoiceIsKept()
    {
        SetPlayer(QStringLiteral("Ann"), true);
        for (const bool show : { false, true }) {
            bool checked = show;
            RunInstructions(false, [&](frmInstructions* w) {
                checked = w->chkDoNotShow->isChecked();
                QTest::mouseClick(w->chkDoNotShow, Qt::LeftButton, {}, QPoint(6, w->chkDoNotShow->height() / 2));
            });
            QCOMPARE(checked, show);
            QCOMPARE(Game().ShowInstructions, show);
            QCOMPARE(FindPlayer(Game().PlayersFilePath, QStringLiteral("Ann"))->ShowInstructions, show);
        }
    }

    // Over a running game the cover goes while the instructions are read and
    // is gone after they close; the clock is left as it was.
    void coverOfTheGameWindow()
    {
        SetPlayer(QString(), true);
        frmMain main;
        main.PrepareWindow();
        Game().GameInProgress = true;
        bool coverWhileOpen = true;
        test::WhenShown<frmExample>([&](frmExample* e) {
            coverWhileOpen = main.pic_covercards->isVisible();
            QTest::mouseClick(e->btnClose, Qt::LeftButton);
            QTimer::singleShot(
                0, [] { QTest::mouseClick(test::VisibleWindow<frmInstructions>()->btnClose, Qt::LeftButton); });
        });
        main.MenuHelpOverview->trigger();
        QVERIFY(!coverWhileOpen);
        QVERIFY(!main.pic_covercards->isVisible());
        QVERIFY(!main.ClockRunning());
        Game().GameInProgress = false;
    }

    // The example opens by itself on the first activation only; the label
    // opens it again. The help opens at its contents, in one window however
    // often it is asked for, and closes with the instructions.
    void exampleAndHelpFromTheInstructions()
    {
        SetPlayer(QString(), true);
        int later = 0;
        QString source;
        int helpWindows = 0;
        const int first = RunInstructions(false, [&](frmInstructions* w) {
            test::WhenShown<frmExample>([&](frmExample* e) {
                ++later;
                QTest::mouseClick(e->btnClose, Qt::LeftButton);
            });
            QEvent activate(QEvent::WindowActivate);
            QApplication::sendEvent(w, &activate);
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            QCOMPARE(later, 0);
            QTest::mouseClick(w->lblShowExample, Qt::LeftButton);
            QTest::mouseClick(w->lblHelpTips, Qt::LeftButton);
            QTest::mouseClick(w->lblHelpTips, Qt::LeftButton);
            for (QWidget* t : QApplication::topLevelWidgets())
                helpWindows += qobject_cast<HelpWindow*>(t) && t->isVisible();
            if (HelpWindow* help = test::VisibleWindow<HelpWindow>())
                source = help->txtHelp->source().toLocalFile();
        });
        QCOMPARE(first, 1);
        QCOMPARE(later, 1);
        QCOMPARE(helpWindows, 1);
        QCOMPARE(QFileInfo(source).fileName(), QStringLiteral("quibel-help.html"));
        QVERIFY(test::VisibleWindow<HelpWindow>() == nullptr);
    }
};

QTEST_MAIN(TestFrmInstructions)
#include "test_frminstructions.moc"
