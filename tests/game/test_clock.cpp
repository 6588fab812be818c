#include "game/Clock.h"

#include <QTest>

class TestClock : public QObject {
    Q_OBJECT

private slots:
    // The window's own tests see the bonus count down to "$5" and "NONE".
    void timerBonusEnds()
    {
        QCOMPARE(TimerText(100000, 2000), QStringLiteral("  Timer Bonus: NONE  "));
        QCOMPARE(TimerText(-10000, 2000), QStringLiteral("  Timer Bonus: NONE  ")); // 52,000 is no 16-bit value
        GameState g;
        g.TimerBonusStart = 2000;
        g.ElapsedSeconds = 380;
        QCOMPARE(TimerBonus(g), 100);
        g.ElapsedSeconds = 401;
        QCOMPARE(TimerBonus(g), 0);
    }
};

QTEST_GUILESS_MAIN(TestClock)
#include "test_clock.moc"
