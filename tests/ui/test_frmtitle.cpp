#include "app/Windows.h"
#include "game/GameState.h"
#include "support/WindowTest.h"
#include "ui/frmTitle.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

class TestFrmTitle : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> data_;

private slots:
    void initTestCase()
    {
        data_ = test::IsolateData();
        Game().AppFolder = qEnvironmentVariable("QUIBEL_APP_DIR") + QLatin1Char('/');
    }

    // The whole animation: the name spelt out, the letters coloured in turn and
    // lined up again after the bounce, the window gone at the end.
    void runsToItsEndAndLeaves()
    {
        Game().SoundOn = false;
        frmTitle title;
        QCOMPARE(title.exec(), int(QDialog::Accepted));
        QVERIFY(title.Finished());
        QVERIFY(!title.isVisible());

        QString spelt;
        for (QLabel* l : title.lblProgramName) {
            QVERIFY(l);
            spelt += l->text();
        }
        QCOMPARE(spelt, QStringLiteral("SOLITAIREQUIBELTM"));

        for (int i = 0; i < frmTitle::kLetters; ++i) {
            const QColor expected = i % 2 == 1 ? QColor(0, 0, 0) : QColor(255, 0, 0);
            QCOMPARE(title.lblProgramName[i]->palette().color(QPalette::WindowText), expected);
        }
        const int firstTop = title.lblProgramName[0]->y();
        const int secondTop = title.lblProgramName[9]->y();
        QVERIFY(secondTop > firstTop);
        for (int i = 1; i <= 8; ++i)
            QCOMPARE(title.lblProgramName[i]->y(), firstTop);
        for (int i = 10; i <= 14; ++i)
            QCOMPARE(title.lblProgramName[i]->y(), secondTop);
        // Each letter lands right after the one before it, from the line's start.
        QCOMPARE(title.lblProgramName[0]->x(), 80);
        QCOMPARE(title.lblProgramName[9]->x(), 240);
        for (int i : { 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15 }) {
            const QLabel* before = title.lblProgramName[i - 1];
            QCOMPARE(title.lblProgramName[i]->x(), before->x() + before->width());
        }
        QVERIFY(title.lblWelcome->isVisibleTo(&title));
        QCOMPARE(title.shpBar->height(), 35);
        QCOMPARE(title.shpBar->width(), 8 * 50 + 6 * 9);
    }

    // Keys, clicks and close requests in the middle of the animation change nothing.
    void takesNoInput()
    {
        frmTitle title;
        bool stillShown = false;
        bool tried = false;
        QTimer::singleShot(0, &title, [&] {
            // Queued behind the start of the animation, so this runs inside it.
            QTimer::singleShot(0, &title, [&] {
                tried = true;
                QTest::keyClick(&title, Qt::Key_Escape);
                QTest::mouseClick(&title, Qt::LeftButton, {}, QPoint(300, 200));
                title.close();
                title.reject();
                stillShown = title.isVisible() && !title.Finished();
            });
        });
        QCOMPARE(title.exec(), int(QDialog::Accepted));
        QVERIFY(tried);
        QVERIFY(stillShown);
        QVERIFY(title.Finished());
    }

    void showTitleWindowReturnsWhenDone()
    {
        ShowTitleWindow();
        QVERIFY(test::VisibleWindow<frmTitle>() == nullptr);
        const auto tops = QApplication::topLevelWidgets();
        QVERIFY(std::none_of(tops.begin(), tops.end(), [](QWidget* w) { return qobject_cast<frmTitle*>(w); }));
    }
};

QTEST_MAIN(TestFrmTitle)
#include "test_frmtitle.moc"
