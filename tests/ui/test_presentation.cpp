// The presentation layer: sounds and pauses (a sound's length is read from
// its file, nothing waits long on a broken file, a missing one or a nonsense
// length, and the windows keep running meanwhile); message boxes; and the
// windows that tell about the game: the title shown at start-up, the about
// window with its update check, the instructions with their example picture
// and their way into the help, and the help window itself.

#include "records/RecordFiles.h"
#include "support/Files.h"
#include "support/Inventory.h"
#include "support/WindowTest.h"
#include "ui/HelpWindow.h"
#include "ui/MsgBox.h"
#include "ui/Panel3D.h"
#include "ui/PlayMarker.h"
#include "ui/ToolbarIcons.h"
#include "ui/WindowMotion.h"
#include "ui/WindowText.h"
#include "ui/frmAbout.h"
#include "ui/frmExample.h"
#include "ui/frmInstructions.h"
#include "ui/frmTitle.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtEndian>

#include <tuple>

namespace {

// A generous bound: these calls must return at once, and a hang would show as seconds.
constexpr qint64 kAtOnceMs = 1500;

template <class T> QByteArray Le(T v)
{
    QByteArray b(sizeof(T), '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// A 16-bit header claiming dataClaim bytes, followed by dataReal bytes of silence.
QByteArray WavBytes(quint32 dataClaim, int dataReal, quint16 channels = 1, quint32 rate = 22050)
{
    const QByteArray fmt = Le<quint16>(1) + Le(channels) + Le(rate) + Le<quint32>(rate * 2 * channels)
        + Le<quint16>(2 * channels) + Le<quint16>(16);
    const QByteArray body
        = "WAVE" + QByteArray("fmt ") + Le<quint32>(16) + fmt + "data" + Le(dataClaim) + QByteArray(dataReal, '\0');
    return "RIFF" + Le<quint32>(body.size()) + body;
}

// Counts the events posted to it: each one seen shows the event loop ran.
struct EventCounter : QObject {
    int seen = 0;
    bool event(QEvent* e) override { return e->type() == QEvent::User ? ++seen > 0 : QObject::event(e); }
    void Post() { QCoreApplication::postEvent(this, new QEvent(QEvent::User)); }
};

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

// The sum of `f` over every pixel of the picture.
template <class F> int OverPixels(const QPixmap& picture, F f)
{
    const QImage image = picture.toImage();
    int sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            sum += f(image.pixelColor(x, y));
    }
    return sum;
}

// The current player (none for an empty name) with that setting, kept in the players file.
void SetPlayer(const QString& name, bool showInstructions)
{
    QFile::remove(Game().PlayersFilePath);
    Game().PlayerName.clear();
    if (!name.isEmpty())
        test::PlayAs(name);
    Game().ShowInstructions = showInstructions;
    QVERIFY(name.isEmpty() || SavePlayers(Game()));
}

} // namespace

class TestPresentation : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> data_;

private slots:
    void initTestCase()
    {
        data_ = test::FreshGame();
        Game().ProgramVersion = QStringLiteral("4.6.0");
    }

    void init()
    {
        Game().SoundOn = false;
        Game().AppFolder = qEnvironmentVariable("QUIBEL_APP_DIR") + QLatin1Char('/');
        SetTimeScale(0);
    }

    // Pauses and synchronous sounds keep the events running (windows paint
    // while they wait), without an audio device too: the second and third
    // sound come through the cached effect. A broken file has no length; a
    // header claiming far more than the file holds counts only what is there.
    // Nothing waits on a sound that cannot play, nor on a nonsense length.
    void waitsKeepEventsRunningAndBrokenFilesWaitForNothing()
    {
        EventCounter counter;
        QElapsedTimer clock;
        clock.start();
        counter.Post();
        Pause(10);
        QVERIFY(clock.elapsed() < kAtOnceMs && counter.seen == 1);
        SetTimeScale(0.05);
        counter.Post();
        PlaySound(QStringLiteral("ding.wav"), 0);
        QCOMPARE(counter.seen, 2);
        PlaySound(QStringLiteral("ding.wav"), 1);
        PlaySoundAndYield(QStringLiteral("ding.wav"));
        counter.Post();
        Pause(0.02);
        QCOMPARE(counter.seen, 3);

        QTemporaryDir tmp;
        const QString dir = tmp.path() + QLatin1Char('/');
        test::WriteBytes(dir + QStringLiteral("cut.wav"), WavBytes(0x7fffffff, 4410));
        QCOMPARE(WavDurationSeconds(dir + QStringLiteral("cut.wav")), 0.1);
        test::WriteBytes(dir + QStringLiteral("Clickbg.wav"), WavBytes(100, 100));
        QCOMPARE(WavDurationSeconds(dir + QStringLiteral("Clickbg.wav")), 50 / 22050.0);
        SetTimeScale(std::numeric_limits<double>::quiet_NaN());
        QCOMPARE(TimeScale(), 0.0);
        const std::pair<const char*, QByteArray> cases[] = {
            { "empty.wav", QByteArray() },
            { "text.wav", QByteArray("this is not a sound file at all, not even close") },
            { "nodata.wav", WavBytes(4410, 4410).left(36) },
            { "nochannels.wav", WavBytes(4410, 4410, 0) },
            { "slowrate.wav", WavBytes(4410, 4410, 1, 1) },
        };
        SetTimeScale(1);
        Game().AppFolder = dir;
        clock.restart();
        for (const auto& [name, bytes] : cases) {
            test::WriteBytes(dir + QLatin1String(name), bytes);
            QCOMPARE(WavDurationSeconds(dir + QLatin1String(name)), 0.0);
            PlaySound(QString::fromLatin1(name), 0);
        }
        PlaySound(QStringLiteral("nosuch.wav"), 0);
        PlaySoundAndYield(QStringLiteral("nosuch.wav"), 0);
        Game().AppFolder.clear();
        PlaySound(QStringLiteral("deal.wav"), 0);
        // Lengths that do not fit a 32-bit count of milliseconds, and negative ones.
        for (const double seconds : { 1e12, -5.0, std::numeric_limits<double>::infinity() })
            Pause(seconds);
        QVERIFY(clock.elapsed() < kAtOnceMs);
    }

    // A box shows the icon and buttons asked for, the text with its line
    // breaks and as plain text, the default button asked for, and Escape
    // gives the safe answer: No to a yes/no question, Cancel where there is one.
    void messageBoxesShowWhatIsAsked()
    {
        QStringList shown; // icon (1 information, 2 warning, 3 stop, 4 question), text, buttons, default, answer
        for (const int style : std::initializer_list<int> { vbOKOnly | vbCritical, vbExclamation, vbInformation,
                 vbQuestion | vbYesNo, vbYesNo | vbDefaultButton2, vbYesNoCancel | vbDefaultButton2 }) {
            test::WhenShown<QMessageBox>([&](QMessageBox* b) {
                shown.append(QString::number(b->icon()) + ' ' + test::Shown(b).join(' ').replace('\n', '|')
                    + " default " + b->defaultButton()->text() + (b->textFormat() == Qt::PlainText ? "" : " rich"));
                QTest::keyClick(b, Qt::Key_Escape);
                if (b->isVisible())
                    b->defaultButton()->click();
            });
            shown.last() += " answers " + QString::number(MsgBox("<b>Ann</b>\r\nfirst\rsecond", style, "Title"));
        }
        const QString text = "<b>Ann</b>|first|second #000000 ", ok = "[OK] title: Title default OK answers 1";
        QCOMPARE(shown,
            QStringList({ "3 " + text + ok, "2 " + text + ok, "1 " + text + ok,
                "4 " + text + "[&No] [&Yes] title: Title default &Yes answers 7",
                "0 " + text + "[&No] [&Yes] title: Title default &No answers 7",
                "0 " + text + "[&No] [&Yes] [Cancel] title: Title default &No answers 2" }));
    }

    // The whole animation: the name spelt out, the letters coloured in turn,
    // the welcome shown, its sounds played whatever the sound setting, and the
    // window gone at the end. Keys, clicks and close requests in the middle of
    // it change nothing.
    void titleRunsToItsEndAndTakesNoInput()
    {
        frmTitle title;
        bool stillShown = false;
        const test::SoundsHeard heard; // whatever the sound setting
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
        QCOMPARE(test::Runs(heard.names), "ClickBg message2 buttup*17 Bloop message2");
        // Letters alternate red and black from a red S.
        QCOMPARE(test::Shown(&title),
            test::Sorted({ "S #ff0000", "O #000000", "L #ff0000", "I #000000", "T #ff0000", "A #000000", "I #ff0000",
                "R #000000", "E #ff0000", "Q #000000", "U #ff0000", "I #000000", "B #ff0000", "E #000000", "L #ff0000",
                "TM #000000", "Welcome to #000080", "Poker hands from the cards that touch #ffffff",
                "title: Solitaire Quibel" }));
        for (int i : { 1, 8, 10, 14 }) // lined up again after the bounce
            QCOMPARE(title.lblProgramName[i]->x(), title.lblProgramName[i - 1]->geometry().right() + 1);
    }

    // The name and, once shown, the version, with the sound on and off (OK
    // clicks only when it is on); the update check tells the version and
    // where updates come from.
    void aboutShowsNameVersionAndUpdates()
    {
        test::MsgBoxRecorder boxes;
        for (const bool sound : { true, false }) {
            Game().SoundOn = sound;
            QStringList shown;
            test::WhenShown<frmAbout>([&](frmAbout* w) {
                // A version that never comes fails the comparison below.
                (void)QTest::qWaitFor([w] { return !w->lblVersion->text().isEmpty(); });
                shown = test::Shown(w);
                if (!sound)
                    QTest::mouseClick(w->btnUpdates, Qt::LeftButton);
                QTest::mouseClick(w->btnOK, Qt::LeftButton);
            });
            const test::SoundsHeard heard;
            ShowAboutWindow();
            QCOMPARE(shown,
                test::Sorted({ "Solitaire Quibel #ffff00", "Solitaire Quibel #000000", "TM #ffff00",
                    "Solitaire played with the hands of poker: make hands from the cards that touch, win back your "
                    "entry fee and climb the Top Ten. #ffffff",
                    "Version 4.6.0 #ffffff", "[Check for &Updates]", "[&OK]", "title: About Solitaire Quibel" }));
            QCOMPARE(heard.names, sound ? QStringList { "message2.wav" } : QStringList());
        }
        QCOMPARE(test::Boxes(boxes.calls) + boxes.Texts(),
            QStringList({ "Check For Updates [information OK]",
                "You are playing Solitaire Quibel version " QUIBEL_VERSION ", built on " QUIBEL_BUILD_DATE
                ".\r\rUpdates "
                "come from the package the game was installed with.  To look for a newer version, use your system's "
                "software manager or package manager." }));
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
                if (click && showBefore)
                    QTest::keyClick(w, Qt::Key_Escape); // closes as Close does, keeping the box's setting
            });
            QCOMPARE(
                std::tuple(shown, ticked, Game().ShowInstructions), std::tuple(boxCaption, !showBefore, showAfter));
            if (!player.isEmpty())
                QCOMPARE(FindPlayer(Game().PlayersFilePath, player)->ShowInstructions, showAfter);
        }
    }

    // Every toolbar icon is drawn whole while its button can be pressed and
    // faded while it cannot.
    void toolbarIconsFadeWhenOff()
    {
        const auto ink = [](ToolbarButton b, QIcon::Mode mode) { // the alpha of all its pixels
            return OverPixels(ToolbarIcon(b).pixmap(QSize(16, 16), mode), [](QColor c) { return c.alpha(); });
        };
        for (ToolbarButton b : kAllToolbarButtons)
            QVERIFY(ink(b, QIcon::Normal) > 0 && ink(b, QIcon::Disabled) * 3 < ink(b, QIcon::Normal) * 2);
    }

    // A window meant to open over the game opens centred on it.
    void windowsOpenCentredOverTheGame()
    {
        QWidget* const before = MainWindow();
        QWidget game;
        game.setGeometry(100, 80, 800, 600);
        SetMainWindow(&game);
        QWidget box;
        box.resize(300, 200);
        CenterOnMain(&box);
        SetMainWindow(before);
        QCOMPARE(box.frameGeometry().center(), game.frameGeometry().center());
    }

    // A fitted line (the player's status) is painted whole at every width
    // its font can still be narrowed or shrunk to fit, and loses its middle
    // only when even the smallest font cannot hold it.
    void fittedLineShowsWhole()
    {
        Panel3D line(nullptr, Panel3D::Bevel::Sunken);
        line.setFont(FixedFont(9));
        line.SetFitToWidth(true);
        line.SetCaption(QStringLiteral("Player: Maximilian Smith     Bankroll: $10,925     Average Score: $10,925"));
        line.show(); // a hidden panel is refitted only when it shows
        for (int width = 520; width >= 150; --width) {
            line.resize(width, 20);
            if (line.font().pointSizeF() > 6.0)
                QCOMPARE(line.ShownText(), line.text());
        }
        QVERIFY(line.ShownText().size() < line.text().size());
    }

    // The example opens by itself on the first activation only; the label
    // opens it again. The help opens at its contents, in one window however
    // often it is asked for, titled after the page shown, with Back and
    // Forward live only when there is somewhere to go, and closes with the
    // instructions. A missing help file is told under the help's own title.
    void exampleAndHelpFromTheInstructions()
    {
        // The example marks the two picked Sevens, and no other card; the
        // marker is lettered PLAY in yellow.
        const auto markerPixels = [](const QPixmap& picture) {
            return OverPixels(picture, [](QColor c) { return int(c.rgb() == kPlayMarkerBlue.rgb()); });
        };
        QVERIFY(OverPixels(PlayMarkerPixmap(1.0), [](QColor c) { return int(c.rgb() == qRgb(255, 255, 0)); }) > 20);
        const int marked = markerPixels(frmExample::ExamplePicture()), one = markerPixels(PlayMarkerPixmap(1.0));
        QVERIFY2(marked >= 2 * one && marked < 3 * one,
            qPrintable(QString::number(marked))); // a row of the table is as blue
        SetPlayer(QString(), true);
        Game().SoundOn = true;
        test::MsgBoxRecorder boxes;
        const test::SoundsHeard heard;
        int later = 0;
        qsizetype helpWindows = 0;
        QString source;
        QStringList shown, helpMoments; // the help's title and live buttons at each step
        const int first = RunInstructions(false, [&](frmInstructions* w) {
            test::WhenShown<frmExample>([&](frmExample* e) {
                ++later;
                shown += test::Shown(e);
                QTest::mouseClick(e->picExample, Qt::LeftButton);
                QTest::mouseClick(e->btnClose, Qt::LeftButton);
            });
            QEvent activate(QEvent::WindowActivate);
            QApplication::sendEvent(w, &activate);
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            QCOMPARE(later, 0);
            shown += test::Shown(w).filter(QRegularExpression("^[^<]")); // the rules' rich text aside
            QTest::mouseClick(w->lblShowExample, Qt::LeftButton);
            QTest::mouseClick(w->lblHelpTips, Qt::LeftButton);
            QTest::mouseClick(w->lblHelpTips, Qt::LeftButton);
            helpWindows = std::ranges::count_if(QApplication::topLevelWidgets(),
                [](QWidget* t) { return qobject_cast<HelpWindow*>(t) && t->isVisible(); });
            if (HelpWindow* help = test::VisibleWindow<HelpWindow>()) {
                source = help->txtHelp->source().toLocalFile();
                const auto now = [&] {
                    helpMoments.append(help->windowTitle() + (help->btnBack->isEnabled() ? " back" : "")
                        + (help->btnForward->isEnabled() ? " forward" : ""));
                };
                now();
                help->txtHelp->setSource(QUrl(QStringLiteral("quibel-rules.html"))); // a link followed
                now();
                for (QPushButton* b : { help->btnContents, help->btnBack }) {
                    QTest::mouseClick(b, Qt::LeftButton);
                    now();
                }
            }
        });
        QCOMPARE(std::tuple(first, later, helpWindows, QFileInfo(source).fileName(), test::VisibleWindow<HelpWindow>()),
            std::tuple(1, 1, 1, QStringLiteral("quibel-help.html"), static_cast<HelpWindow*>(nullptr)));
        QCOMPARE(shown,
            test::Sorted({ "How to Play Solitaire Quibel #ffffff", "Show me a picture of a game in progress #0000c0",
                "More help and tips: the rules, the hands, scoring and bonuses #0000c0", "[&Close]",
                "title: Overview/Quick Start" })
                + test::Sorted({ "A game in progress.  The two Sevens at the bottom touch each other and are picked: "
                                 "each shows PLAY.  A right click now plays them as 1 Pair for $50, and the cards "
                                 "above them drop down.  The Joker on the bottom row could take any card of the board "
                                 "with it. #000000",
                    "[&Close]", "title: Example of a Game in Progress" }));
        const QString help = "Solitaire Quibel Help", rules = "How to Play - Solitaire Quibel Help";
        QCOMPARE(helpMoments, QStringList({ help, rules + " back", help + " back", rules + " back forward" }));
        QCOMPARE(std::tuple(heard.names, HelpWindow().windowTitle()), std::tuple(QStringList(2, "message2.wav"), help));
        Game().AppFolder = "/nowhere/";
        ShowHelpContents(nullptr);
        QCOMPARE(test::Boxes(boxes.calls) + boxes.Texts(),
            QStringList({ "Solitaire Quibel [information OK]", help + " [warning OK]",
                "This is only a picture to provide an example.",
                "The help pages cannot be shown: the file\r/nowhere/quibel-help.html\ris missing.  Installing the "
                "game again puts it back." }));
    }
};

QTEST_MAIN(TestPresentation)
#include "test_presentation.moc"
