#include "game/GameState.h"
#include "support/WindowTest.h"
#include "ui/frmAbout.h"

#include <QLabel>
#include <QPushButton>

class TestFrmAbout : public QObject {
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
};

QTEST_MAIN(TestFrmAbout)
#include "test_frmabout.moc"
