// The windows that tell about the game: the title shown at start-up, the
// about window with its update check, the instructions with their example
// picture and their way into the help, and the help window itself.

#include "support/WindowTest.h"
#include "ui/HelpWindow.h"
#include "ui/frmAbout.h"
#include "ui/frmExample.h"
#include "ui/frmInstructions.h"
#include "ui/frmTitle.h"

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

class TestTitleAndHelp : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> data_;

private slots:
    void initTestCase()
    {
        data_ = test::FreshGame();
        Game().ProgramVersion = QStringLiteral("4.6.0");
    }

    void init() { Game().SoundOn = false; }

    // The whole animation: the name spelt out, the letters coloured in turn,
    // the welcome shown and the window gone at the end. Keys, clicks and close
    // requests in the middle of it change nothing.
    void titleRunsToItsEndAndTakesNoInput()
    {
        frmTitle title;
        bool stillShown = false;
        QTimer::singleShot(0, &title, [&] {
            // Queued behind the start of the animation, so this runs inside it.
            QTimer::singleShot(0, &title, [&] {
                QTest::keyClick(&title, Qt::Key_Escape);
                QTest::mouseClick(&title, Qt::LeftButton, {}, QPoint(300, 200));
                title.close();
                title.reject();
                stillShown = title.isVisible() && !title.Finished();
            });
        });
        QCOMPARE(title.exec(), int(QDialog::Accepted));
        QVERIFY(stillShown && title.Finished() && !title.isVisible());
        QString spelt;
        for (int i = 0; i < frmTitle::kLetters; ++i) {
            spelt += title.lblProgramName[i]->text();
            QCOMPARE(title.lblProgramName[i]->palette().color(QPalette::WindowText),
                i % 2 == 1 ? QColor(0, 0, 0) : QColor(255, 0, 0));
        }
        QCOMPARE(spelt, QStringLiteral("SOLITAIREQUIBELTM"));
        for (int i : { 1, 8, 10, 14 }) // lined up again after the bounce
            QCOMPARE(title.lblProgramName[i]->x(), title.lblProgramName[i - 1]->geometry().right() + 1);
        QVERIFY(title.lblWelcome->isVisibleTo(&title));
    }

    // The name and, once shown, the version, with the sound on and off; the
    // update check tells the version and where updates come from.
    void aboutShowsNameVersionAndUpdates()
    {
        test::MsgBoxRecorder boxes;
        for (const bool sound : { true, false }) {
            Game().SoundOn = sound;
            QString version, top, shadow;
            test::WhenShown<frmAbout>([&](frmAbout* w) {
                // A version that never comes fails the comparison below.
                (void)QTest::qWaitFor([w] { return !w->lblVersion->text().isEmpty(); });
                std::tie(version, top, shadow) = std::tuple(
                    w->lblVersion->text(), w->lblProgramTitleTop->text(), w->lblProgramTitleBottom->text());
                if (!sound)
                    QTest::mouseClick(w->btnUpdates, Qt::LeftButton);
                QTest::mouseClick(w->btnOK, Qt::LeftButton);
            });
            ShowAboutWindow();
            QCOMPARE(std::tuple(version, top, shadow),
                std::tuple(QStringLiteral("Version 4.6.0"), QStringLiteral("Solitaire Quibel"),
                    QStringLiteral("Solitaire Quibel")));
            QVERIFY(test::VisibleWindow<frmAbout>() == nullptr);
        }
        QCOMPARE(boxes.calls.size(), 1);
        const QString& text = boxes.calls.first().text;
        QVERIFY(text.contains(QStringLiteral(QUIBEL_VERSION)) && text.contains(QStringLiteral(QUIBEL_BUILD_DATE)));
        QVERIFY(text.contains(QStringLiteral("package")));
    }

    // With nobody to keep the choice for, the box is not there and the
    // instructions are switched on; after three misplays it is not there
    // either, and a player's choice stays as it was. A player's box shows the
    // setting (ticked when the instructions are off), and a click on it is
    // kept in the players file when the instructions close.
    void doNotShowBox()
    {
        const QString caption = QStringLiteral("Do &not show these instructions again at startup for ");
        // Player, instructions on before, opened by misplays, box clicked, the box's caption (empty: no box), on after.
        for (const auto& [player, showBefore, afterMisplays, click, boxCaption, showAfter] :
            { std::tuple { QString(), false, false, false, QString(), true },
                { QStringLiteral("Bo & Di"), true, false, false, caption + QStringLiteral("Bo && Di"), true },
                { QStringLiteral("Ann"), false, true, false, QString(), false },
                { QStringLiteral("Ann"), true, false, true, caption + QStringLiteral("Ann"), false },
                { QStringLiteral("Ann"), false, false, true, caption + QStringLiteral("Ann"), true } }) {
            SetPlayer(player, showBefore);
            QString shown;
            bool ticked = !showBefore;
            RunInstructions(afterMisplays, [&](frmInstructions* w) {
                if (w->chkDoNotShow->isVisibleTo(w))
                    std::tie(shown, ticked) = std::tuple(w->chkDoNotShow->text(), w->chkDoNotShow->isChecked());
                if (click)
                    QTest::mouseClick(w->chkDoNotShow, Qt::LeftButton, {}, QPoint(6, w->chkDoNotShow->height() / 2));
            });
            QCOMPARE(
                std::tuple(shown, ticked, Game().ShowInstructions), std::tuple(boxCaption, !showBefore, showAfter));
            if (!player.isEmpty())
                QCOMPARE(FindPlayer(Game().PlayersFilePath, player)->ShowInstructions, showAfter);
        }
    }

    // The example opens by itself on the first activation only; the label
    // opens it again. The help opens at its contents, in one window however
    // often it is asked for, and closes with the instructions.
    void exampleAndHelpFromTheInstructions()
    {
        SetPlayer(QString(), true);
        int later = 0, helpWindows = 0;
        QString source;
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
        QCOMPARE(std::tuple(first, later, helpWindows), std::tuple(1, 1, 1));
        QCOMPARE(QFileInfo(source).fileName(), QStringLiteral("quibel-help.html"));
        QVERIFY(test::VisibleWindow<HelpWindow>() == nullptr);
    }
};

QTEST_MAIN(TestTitleAndHelp)
#include "test_titleandhelp.moc"
