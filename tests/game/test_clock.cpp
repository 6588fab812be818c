#include "game/Clock.h"

#include <QTest>

#include <limits>

class TestClock : public QObject {
    Q_OBJECT

private slots:
    // The bonus counts down $5 a second to "NONE", and never wraps.
    void timerBonusEnds()
    {
        QCOMPARE(TimerText(399, 2000), QStringLiteral("  Timer Bonus: $5  "));
        QCOMPARE(TimerText(400, 2000), QStringLiteral("  Timer Bonus: NONE  "));
        QCOMPARE(TimerText(-10000, 2000), QStringLiteral("  Timer Bonus: NONE  ")); // 52,000 is no 16-bit value
        GameState g;
        g.TimerBonusStart = 2000;
        for (const auto& [seconds, bonus] : { std::pair { 0, 2000 }, { 380, 100 }, { 399, 5 }, { 400, 0 }, { 401, 0 },
                 { std::numeric_limits<int32_t>::max(), 0 } }) {
            g.ElapsedSeconds = seconds;
            QCOMPARE(TimerBonus(g), bonus);
        }
    }
};

QTEST_GUILESS_MAIN(TestClock)
#include "test_clock.moc"
