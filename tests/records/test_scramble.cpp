#include "records/Scramble.h"

#include <QTest>

class TestScramble : public QObject {
    Q_OBJECT

private slots:
    void goldenVectors();
    void roundTripsEveryCode();
    void randomSeedsStillRoundTrip();
    void codeZeroComesBackAs255();
    void code255NeverLost();
    void badModeOrKey();
    void seedFromFraction();
    void strictForm();
    void windows1252();
};

void TestScramble::goldenVectors()
{
    // Seed 10 is written with its leading zero; ')' then sums to 51, which the
    // key's '3' turns into 0, written as a blank and one digit; the fourth
    // character uses the key's '3' again.
    QCOMPARE(ScrambleWithSeed(kScrambleKey, ")BCD", 10), QByteArray("0A 07782F5"));
    QCOMPARE(ScrambleWithSeed(kScrambleKey, "A", 5), QByteArray("0575"));
    QCOMPARE(ScrambleWithSeed(kScrambleKey, "", 255), QByteArray("FF"));
    QCOMPARE(ScrambleText("D", kScrambleKey, "0A 07782F5"), QByteArray(")BCD"));
    QCOMPARE(ScrambleText("D", kScrambleKey, "0A"), QByteArray());
    QCOMPARE(ScrambleText("E", kScrambleKey, "").size(), 2);
}

void TestScramble::roundTripsEveryCode()
{
    for (int seed = 1; seed <= 255; ++seed) {
        QByteArray text;
        for (int code = 1; code <= 254; ++code)
            text += static_cast<char>(code);
        // Each code also follows every other one in some line, so every prev is met.
        const QByteArray forward = ScrambleWithSeed(kScrambleKey, text, seed);
        QCOMPARE(ScrambleText("D", kScrambleKey, forward), text);
        std::reverse(text.begin(), text.end());
        QCOMPARE(ScrambleText("D", kScrambleKey, ScrambleWithSeed(kScrambleKey, text, seed)), text);
        for (int code = 1; code <= 254; ++code) {
            const QByteArray one(1, static_cast<char>(code));
            QCOMPARE(ScrambleText("D", "7", ScrambleWithSeed("7", one, seed)), one);
        }
    }
}

void TestScramble::randomSeedsStillRoundTrip()
{
    const QByteArray record = "Ann\x06"
                              "1000\x06True\x06True\x06"
                              "0\x06True\x06";
    QSet<QByteArray> seen;
    for (int i = 0; i < 20; ++i) {
        const QByteArray line = ScrambleText("E", kScrambleKey, record);
        QCOMPARE(line.size(), 2 + 2 * record.size());
        QVERIFY(IsScrambledText(line));
        QCOMPARE(ScrambleText("D", kScrambleKey, line), record);
        seen.insert(line);
    }
    QVERIFY(seen.size() > 1);
}

void TestScramble::codeZeroComesBackAs255()
{
    QCOMPARE(ScrambleText("D", kScrambleKey, ScrambleWithSeed(kScrambleKey, QByteArray(1, '\0'), 77)),
        QByteArray(1, '\xFF'));
    // No seed saves it, and scrambling still gives a well-formed line.
    QVERIFY(IsScrambledText(ScrambleText("E", kScrambleKey, QByteArray("a\0b", 3))));
}

void TestScramble::code255NeverLost()
{
    // With the seed 255 a leading 255 would come back as 0; "E" picks another seed.
    const QByteArray text("\xFF\xFF\xFF", 3);
    QVERIFY(ScrambleText("D", kScrambleKey, ScrambleWithSeed(kScrambleKey, text, 255)) != text);
    for (int i = 0; i < 50; ++i)
        QCOMPARE(ScrambleText("D", kScrambleKey, ScrambleText("E", kScrambleKey, text)), text);
}

void TestScramble::badModeOrKey()
{
    QCOMPARE(ScrambleText("e", kScrambleKey, "abc"), QByteArray());
    QCOMPARE(ScrambleText("X", kScrambleKey, "abc"), QByteArray());
    QCOMPARE(ScrambleText("E", "", "abc"), QByteArray());
    QCOMPARE(ScrambleText("D", "", "0A 07782F5"), QByteArray());
    // Damaged input decodes to something without failing.
    QCOMPARE(ScrambleText("D", kScrambleKey, "0A 0778").size(), 3);
    QCOMPARE(ScrambleText("D", kScrambleKey, "zz!!?").size(), 2);
}

void TestScramble::seedFromFraction()
{
    QCOMPARE(ScrambleSeed(0.0), 1);
    QCOMPARE(ScrambleSeed(0.0254), 255); // 254
    QCOMPARE(ScrambleSeed(0.0255), 1); // 255 mod 255
    QCOMPARE(ScrambleSeed(0.00005), 1); // 0.5 rounds to 0
    QCOMPARE(ScrambleSeed(0.00025), 3); // 2.5 rounds to 2
    QCOMPARE(ScrambleSeed(0.00035), 5); // 3.5 rounds to 4
    for (double r = 0.0; r < 1.0; r += 0.00731) {
        const int seed = ScrambleSeed(r);
        QVERIFY(seed >= 1 && seed <= 255);
    }
}

void TestScramble::strictForm()
{
    QVERIFY(IsScrambledText("0A 07782F5"));
    QVERIFY(IsScrambledText("FF"));
    QVERIFY(!IsScrambledText(""));
    QVERIFY(!IsScrambledText(" A12"));
    QVERIFY(!IsScrambledText("0A0"));
    QVERIFY(!IsScrambledText("0A7 "));
    QVERIFY(!IsScrambledText("0AG1"));
}

void TestScramble::windows1252()
{
    const QString text = QStringLiteral("Zoë € „x” ÿ");
    const QByteArray bytes = ToWindows1252(text);
    QCOMPARE(bytes, QByteArray("Zo\xEB \x80 \x84x\x94 \xFF"));
    QCOMPARE(FromWindows1252(bytes), text);
    QVERIFY(FitsWindows1252(text));
    QVERIFY(!FitsWindows1252(QStringLiteral("Łukasz")));
    QCOMPARE(ToWindows1252(QStringLiteral("Łx")), QByteArray("?x"));
    for (int b = 0; b < 256; ++b) {
        const QByteArray one(1, static_cast<char>(b));
        QCOMPARE(ToWindows1252(FromWindows1252(one)), one);
    }
}

QTEST_GUILESS_MAIN(TestScramble)
#include "test_scramble.moc"
