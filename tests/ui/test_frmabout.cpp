#include "app/Windows.h"
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
        data_ = test::IsolateData();
        GameState& g = Game();
        g.ProgramName = QStringLiteral("Solitaire Quibel");
        g.ProgramVersion = QStringLiteral("4.6.0");
        g.AppFolder = qEnvironmentVariable("QUIBEL_APP_DIR") + QLatin1Char('/');
    }

    // The titles, the trademark sign beside the top title, and the version once shown.
    void showsNameAndVersion()
    {
        for (const bool sound : { true, false }) {
            Game().SoundOn = sound;
            QString version, top, shadow;
            int tmGap = -1, shadowDx = 0, shadowDy = 0;
            test::WhenShown<frmAbout>([&](frmAbout* w) {
                test::WaitUntil([w] { return !w->lblVersion->text().isEmpty(); });
                version = w->lblVersion->text();
                top = w->lblProgramTitleTop->text();
                shadow = w->lblProgramTitleBottom->text();
                tmGap = w->lblTM->x() - (w->lblProgramTitleTop->geometry().right() + 1);
                shadowDx = w->lblProgramTitleBottom->x() - w->lblProgramTitleTop->x();
                shadowDy = w->lblProgramTitleBottom->y() - w->lblProgramTitleTop->y();
                QTest::mouseClick(w->btnOK, Qt::LeftButton);
            });
            ShowAboutWindow();
            QCOMPARE(version, QStringLiteral("Version 4.6.0"));
            QCOMPARE(top, QStringLiteral("Solitaire Quibel"));
            QCOMPARE(shadow, top);
            QCOMPARE(tmGap, 2); // 30 twips
            QVERIFY(shadowDx > 0 && shadowDy > 0);
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
        const MsgBoxCall& box = boxes.calls.first();
        QVERIFY(box.text.contains(QStringLiteral(QUIBEL_VERSION)));
        QVERIFY(box.text.contains(QStringLiteral(QUIBEL_BUILD_DATE)));
        QVERIFY(box.text.contains(QStringLiteral("package")));
        QCOMPARE(box.title, QStringLiteral("Check For Updates"));
    }
};

QTEST_MAIN(TestFrmAbout)
#include "test_frmabout.moc"
