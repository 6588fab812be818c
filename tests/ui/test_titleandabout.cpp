#include "game/GameState.h"
#include "support/WindowTest.h"
#include "ui/frmAbout.h"
#include "ui/frmTitle.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

// The title shown at start-up and the about window.
class TestTitleAndAbout : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> data_;

private slots:
    void initTestCase()
    {
        data_ = test::FreshGame();
        Game().ProgramVersion = QStringLiteral("4.6.0");
    }

    // The name and, once shown, the version, with the sound on and off.
    void showsNameAndVersion()
    {
        for (const bool sound : { true, false }) {
            Game().SoundOn = sound;
            QString version, top, shadow;
            test::WhenShown<frmAbout>([&](frmAbout* w) {
                // A version that never comes fails the comparison below.
                (void)QTest::qWaitFor([w] { return !w->lblVersion->text().isEmpty(); });
                version = w->lblVersion->text();
                top = w->lblProgramTitleTop->text();
                shadow = w->lblProgramTitleBottom->text();
                QTest::mouseClick(w->btnOK, Qt::LeftButton);
            });
            ShowAboutWindow();
            QCOMPARE(version, QStringLiteral("Version 4.6.0"));
            QCOMPARE(top, QStringLiteral("Solitaire Quibel"));
            QCOMPARE(shadow, top);
            QVERIFY(test::VisibleWindow<frmAbout>() == nullptr);
        }
    }

    // The about window leads to the update check, which tells the version and
    // where updates come from.
    void updateCheckFromAbout()
    {
        test::MsgBoxRecorder boxes;
        test::WhenShown<frmAbout>([](frmAbout* w) {
            QTest::mouseClick(w->btnUpdates, Qt::LeftButton);
            QTest::mouseClick(w->btnOK, Qt::LeftButton);
        });
        ShowAboutWindow();
        QCOMPARE(boxes.calls.size(), 1);
        const QString& text = boxes.calls.first().text;
        QVERIFY(text.contains(QStringLiteral(QUIBEL_VERSION)) && text.contains(QStringLiteral(QUIBEL_BUILD_DATE)));
        QVERIFY(text.contains(QStringLiteral("package")));
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

QTEST_MAIN(TestTitleAndAbout)
#include "test_titleandabout.moc"
