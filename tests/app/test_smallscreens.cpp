// The game window on screens of several sizes: on one 800 pixels wide
// nothing is cut, and on a smaller one every control can still be reached.

#include "support/WindowTest.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace {
// Side by side: a large screen, an 800-pixel one whose usable height a
// window frame and a panel have brought down to 560, and a 640 x 480 one.
constexpr char kScreens[] = R"({ "screens": [
  { "name": "large", "x": 0, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 },
  { "name": "narrow", "x": 1024, "y": 0, "width": 800, "height": 560, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 },
  { "name": "small", "x": 1824, "y": 0, "width": 640, "height": 480, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 }
] })";

QList<QWidget*> Controls(const frmMain& w)
{
    QList<QWidget*> all { w.c_PlayerStatus, w.c_score, w.chkSound, w.lblTimer };
    for (QWidget* b : w.toolbarButtons)
        all.append(b);
    for (QWidget* l : w.lblHand)
        all.append(l);
    return all;
}
} // namespace

class TestSmallScreens : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> data_;
    std::unique_ptr<frmMain> w_;

    void OpenOn(const QString& screenName)
    {
        const QList<QScreen*> screens = QGuiApplication::screens();
        const auto named
            = std::find_if(screens.begin(), screens.end(), [&](QScreen* s) { return s->name() == screenName; });
        QVERIFY(named != screens.end());
        QScreen* screen = *named;
        data_ = test::FreshGame();
        w_ = std::make_unique<frmMain>();
        w_->setScreen(screen);
        w_->move(screen->geometry().topLeft());
        QVERIFY(w_->PrepareWindow());
        test::PlayAs(QStringLiteral("Tester"));
        Game().ShowInstructions = false;
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
        w_->ApplyPlayerSettings();
        w_->NewGame();
        QVERIFY(w_->screen() == screen);
        QVERIFY2(screen->availableGeometry().contains(w_->frameGeometry()), "the window lies off the screen");
    }

private slots:
    void cleanup()
    {
        w_.reset();
        data_.reset();
    }

    void screenEightHundredWideShowsEverythingWithoutScrolling()
    {
        OpenOn(QStringLiteral("narrow"));
        QCOMPARE(w_->Board()->visibleRegion(), QRegion(w_->Board()->rect()));
        for (QWidget* control : Controls(*w_))
            QCOMPARE(control->visibleRegion(), QRegion(control->rect()));
        // The cards' columns still sit between the title band and the hand labels.
        const GameState& g = Game();
        QVERIFY(g.BoardTop + g.RowStep >= w_->c_Title->height());
        QVERIFY(g.BoardTop + 7 * g.RowStep + g.CardHeight <= w_->lblHand[0]->y());
    }

    void smallScreenScrollsToEveryControl()
    {
        OpenOn(QStringLiteral("small"));
        auto* scroller = qobject_cast<QScrollArea*>(w_->centralWidget());
        QVERIFY(scroller);
        // The window takes the screen, so as much of the board shows as can.
        QCOMPARE(w_->frameGeometry(), w_->screen()->availableGeometry());
        QVERIFY(!scroller->verticalScrollBar()->isVisible()); // only the width scrolls
        for (QWidget* control : Controls(*w_)) {
            scroller->ensureWidgetVisible(control, 0, 0);
            QVERIFY2(control->visibleRegion().contains(control->rect().center()), qPrintable(control->objectName()));
        }
        const GameState& g = Game();
        const QPoint lastCard(g.BoardLeft + 8 * g.CardWidth + g.CardWidth / 2, g.BoardTop + 7 * g.RowStep + 40);
        scroller->ensureVisible(lastCard.x(), lastCard.y());
        QVERIFY(w_->Board()->visibleRegion().contains(lastCard));
    }
};

int main(int argc, char** argv)
{
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) || file.write(kScreens) < 0)
        return 1;
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
    QApplication app(argc, argv);
    TestSmallScreens test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_smallscreens.moc"
