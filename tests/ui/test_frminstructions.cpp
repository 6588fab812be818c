// The instructions window with its example picture and its way into the help,
// and the help window itself.

#include "app/Windows.h"
#include "app/frmMain.h"
#include "game/GameState.h"
#include "records/DataFolder.h"
#include "records/PlayersFile.h"
#include "support/WindowTest.h"
#include "ui/HelpWindow.h"
#include "ui/frmExample.h"
#include "ui/frmInstructions.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>

namespace {

// Opens the instructions; the example that opens by itself is counted and
// closed, then `act` runs on the instructions, which it must close.
int RunInstructions(bool hideDoNotShow, const std::function<void(frmInstructions*)>& act)
{
    int examples = 0;
    test::WhenShown<frmExample>([&](frmExample* e) {
        ++examples;
        QTest::mouseClick(e->btnClose, Qt::LeftButton);
        QTimer::singleShot(0, [&] {
            if (auto* w = test::VisibleWindow<frmInstructions>())
                act(w);
        });
    });
    ShowInstructionsWindow(hideDoNotShow);
    return examples;
}

void CloseInstructions(frmInstructions* w)
{
    QTest::mouseClick(w->btnClose, Qt::LeftButton);
}

void SetPlayer(const QString& name, bool showInstructions)
{
    GameState& g = Game();
    QFile::remove(g.PlayersFilePath);
    if (name.isEmpty()) {
        g.PlayerName.clear();
        g.ShowInstructions = showInstructions;
        return;
    }
    QVERIFY(AppendPlayer(g.PlayersFilePath, name));
    PlayerRecord r = NewPlayerRecord(name);
    r.ShowInstructions = showInstructions;
    LoadPlayer(g, r);
    QVERIFY(SavePlayers(g));
}

HelpWindow* OpenHelpWindow()
{
    HelpWindow* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* h = qobject_cast<HelpWindow*>(w); h && h->isVisible())
            found = h;
    }
    return found;
}

} // namespace

class TestFrmInstructions : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> data_;

private slots:
    void initTestCase()
    {
        data_ = test::IsolateData();
        GameState& g = Game();
        g.ProgramName = QStringLiteral("Solitaire Quibel");
        g.AppFolder = qEnvironmentVariable("QUIBEL_APP_DIR") + QLatin1Char('/');
        g.DataFolder = ResolveDataFolder(g.ProgramName);
        g.PlayersFilePath = g.DataFolder + QStringLiteral("players.dat");
        g.SoundOn = false;
    }

    // With nobody to keep the choice for, the box is not there and the
    // instructions stay switched on.
    void noPlayerNoCheckBox()
    {
        SetPlayer(QString(), false);
        bool boxShown = true;
        RunInstructions(false, [&](frmInstructions* w) {
            boxShown = w->chkDoNotShow->isVisibleTo(w);
            CloseInstructions(w);
        });
        QVERIFY(!boxShown);
        QVERIFY(Game().ShowInstructions);
    }

    // The box names the player, shows the setting, and closing keeps the
    // choice in the players file.
    void playerChoiceIsKept()
    {
        SetPlayer(QStringLiteral("Ann"), true);
        QString caption;
        bool checked = true;
        RunInstructions(false, [&](frmInstructions* w) {
            caption = w->chkDoNotShow->text();
            checked = w->chkDoNotShow->isChecked();
            QVERIFY(w->chkDoNotShow->isVisibleTo(w));
            QTest::mouseClick(w->chkDoNotShow, Qt::LeftButton, {}, QPoint(6, w->chkDoNotShow->height() / 2));
            CloseInstructions(w);
        });
        QCOMPARE(caption, QStringLiteral("Do &not show these instructions again at startup for Ann"));
        QVERIFY(!checked);
        QVERIFY(!Game().ShowInstructions);
        QCOMPARE(FindPlayer(Game().PlayersFilePath, QStringLiteral("Ann"))->ShowInstructions, false);

        // Next time the box comes up ticked; clearing it switches them back on.
        RunInstructions(false, [&](frmInstructions* w) {
            checked = w->chkDoNotShow->isChecked();
            w->chkDoNotShow->setChecked(false);
            CloseInstructions(w);
        });
        QVERIFY(checked);
        QVERIFY(Game().ShowInstructions);
        QCOMPARE(FindPlayer(Game().PlayersFilePath, QStringLiteral("Ann"))->ShowInstructions, true);
    }

    void ampersandInNameIsShown()
    {
        SetPlayer(QStringLiteral("Bo & Di"), true);
        QString caption;
        RunInstructions(false, [&](frmInstructions* w) {
            caption = w->chkDoNotShow->text();
            CloseInstructions(w);
        });
        QCOMPARE(caption, QStringLiteral("Do &not show these instructions again at startup for Bo && Di"));
    }

    // After three misplays the box is hidden, and a player who switched the
    // instructions off does not get them switched back on.
    void misplaysHideTheBox()
    {
        SetPlayer(QStringLiteral("Ann"), false);
        bool boxShown = true;
        RunInstructions(true, [&](frmInstructions* w) {
            boxShown = w->chkDoNotShow->isVisibleTo(w);
            CloseInstructions(w);
        });
        QVERIFY(!boxShown);
        QVERIFY(!Game().ShowInstructions);
    }

    // The example opens by itself on the first activation only; the label opens it again.
    void exampleOnFirstActivationOnly()
    {
        SetPlayer(QString(), true);
        int later = 0;
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
            QCOMPARE(later, 1);
            CloseInstructions(w);
        });
        QCOMPARE(first, 1);
        QCOMPARE(later, 1);
    }

    void examplePictureAndItsClick()
    {
        // The cards show: a board has no white, card faces are mostly white.
        const QImage picture = frmExample::ExamplePicture().toImage();
        QVERIFY(!picture.isNull());
        int light = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                light += qGray(picture.pixel(x, y)) > 230;
        QVERIFY2(light > 30 * 71 * 20, qPrintable(QString::number(light)));

        test::MsgBoxRecorder boxes;
        frmExample example;
        example.show();
        QTest::mouseClick(example.picExample, Qt::LeftButton);
        QCOMPARE(boxes.calls.size(), 1);
        QCOMPARE(boxes.calls.first().text, QStringLiteral("This is only a picture to provide an example."));
        QCOMPARE(boxes.calls.first().style, int(vbInformation));
        QCOMPARE(boxes.calls.first().title, QStringLiteral("Solitaire Quibel"));
        QTest::mouseClick(example.btnClose, Qt::LeftButton);
        QVERIFY(!example.isVisible());
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
            QTimer::singleShot(0, [] { CloseInstructions(test::VisibleWindow<frmInstructions>()); });
        });
        main.MenuHelpOverview->trigger();
        QVERIFY(!coverWhileOpen);
        QVERIFY(!main.pic_covercards->isVisible());
        QVERIFY(!main.ClockRunning());
        Game().GameInProgress = false;
    }

    // The help opens from the instructions at its contents, in one window,
    // and every page it links to is there.
    void helpOpensAtContents()
    {
        SetPlayer(QString(), true);
        QString source, text;
        bool ownedByInstructions = false;
        int helpWindows = 0;
        RunInstructions(false, [&](frmInstructions* w) {
            QTest::mouseClick(w->lblHelpTips, Qt::LeftButton);
            QTest::mouseClick(w->lblHelpTips, Qt::LeftButton);
            for (QWidget* t : QApplication::topLevelWidgets())
                helpWindows += qobject_cast<HelpWindow*>(t) && t->isVisible();
            if (HelpWindow* help = OpenHelpWindow()) {
                source = help->txtHelp->source().toLocalFile();
                text = help->txtHelp->toPlainText();
                ownedByInstructions = help->parentWidget() == w;
            }
            CloseInstructions(w);
        });
        QCOMPARE(helpWindows, 1);
        QCOMPARE(QFileInfo(source).fileName(), QStringLiteral("quibel-help.html"));
        QVERIFY(text.contains(QStringLiteral("Solitaire Quibel Help")));
        QVERIFY(ownedByInstructions);
        QVERIFY(OpenHelpWindow() == nullptr);
    }

    void helpPagesAreWholeAndLinked()
    {
        const QDir dir(Game().AppFolder);
        QStringList pages { QStringLiteral("quibel-help.html") };
        const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)"));
        for (int i = 0; i < pages.size(); ++i) {
            QFile f(dir.filePath(pages[i]));
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(pages[i]));
            const QString html = QString::fromUtf8(f.readAll());
            QVERIFY(html.contains(QStringLiteral("</html>")));
            // An unclosed list or table swallows the rest of the page.
            for (const char* tag : { "table", "tr", "ul", "ol" }) {
                const QString name = QString::fromLatin1(tag);
                QCOMPARE(html.count(QRegularExpression(QStringLiteral("<") + name + QStringLiteral("[ >]"))),
                    html.count(QStringLiteral("</") + name + QLatin1Char('>')));
            }
            for (const auto& m : link.globalMatch(html)) {
                if (!pages.contains(m.captured(1)))
                    pages.append(m.captured(1));
            }
        }
        QCOMPARE(pages.size(), 6);
        // Every hand is in the manual with its points.
        QFile hands(dir.filePath(QStringLiteral("quibel-hands.html")));
        QVERIFY(hands.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(hands.readAll());
        GameState rules;
        SetGameConstants(rules);
        for (int t = 1; t <= kNumHandTypes; ++t) {
            const QString row = QStringLiteral("<b>") + HandName(t) + QStringLiteral("</b>");
            const int at = text.indexOf(row);
            QVERIFY2(at >= 0, qPrintable(HandName(t)));
            QVERIFY(text.mid(at, 160).contains(FormatMoney(rules.HandPoints[t])));
        }
    }

    void missingHelpGivesAMessage()
    {
        QTemporaryDir empty;
        const QString appFolder = Game().AppFolder;
        Game().AppFolder = empty.path() + QLatin1Char('/');
        test::MsgBoxRecorder boxes;
        ShowHelpContents(nullptr);
        Game().AppFolder = appFolder;
        QCOMPARE(boxes.calls.size(), 1);
        QVERIFY(boxes.calls.first().text.contains(QStringLiteral("quibel-help.html")));
        QVERIFY(boxes.calls.first().text.contains(QStringLiteral("missing")));
        QVERIFY(OpenHelpWindow() == nullptr);
    }
};

QTEST_MAIN(TestFrmInstructions)
#include "test_frminstructions.moc"
