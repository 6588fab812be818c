#include "game/Clock.h"

#include <QTest>

#include <limits>

class TestClock : public QObject {
    Q_OBJECT

private slots:
    // The window's own tests see the bonus count down to "$5" and "NONE".
    void timerBonusEnds()
    {
        QCOMPARE(TimerText(-10000, 2000), QStringLiteral("  Timer Bonus: NONE  ")); // 52,000 is no 16-bit value
        GameState g;
        g.TimerBonusStart = 2000;
        for (const auto& [seconds, bonus] : { std::pair { 0, 2000 }, { 380, 100 }, { 399, 5 }, { 400, 0 },
                 { std::numeric_limits<int32_t>::max(), 0 } }) {
            g.ElapsedSeconds = seconds;
            QCOMPARE(TimerBonus(g), bonus);
        }
    }
};

QTEST_GUILESS_MAIN(TestClock)
#include "test_clock.moc"
