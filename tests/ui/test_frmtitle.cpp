#include "game/GameState.h"
#include "support/WindowTest.h"
#include "ui/frmTitle.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

class TestFrmTitle : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> data_;

private slots:
    void initTestCase() { data_ = test::FreshGame(); }

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
        for (int i = 0; i < frmTitle::kLetters; ++i) {
            spelt += title.lblProgramName[i]->text();
            const QColor expected = i % 2 == 1 ? QColor(0, 0, 0) : QColor(255, 0, 0);
            QCOMPARE(title.lblProgramName[i]->palette().color(QPalette::WindowText), expected);
        }
        QCOMPARE(spelt, QStringLiteral("SOLITAIREQUIBELTM"));
        // Lined up again after the bounce: each letter right after the one before it.
        for (int i : { 1, 8, 10, 14 }) {
            const QLabel* before = title.lblProgramName[i - 1];
            QCOMPARE(title.lblProgramName[i]->x(), before->x() + before->width());
        }
        QVERIFY(title.lblWelcome->isVisibleTo(&title));
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
};

QTEST_MAIN(TestFrmTitle)
#include "test_frmtitle.moc"
