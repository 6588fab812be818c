#include "records/Scramble.h"

#include <QTest>

class TestScramble : public QObject {
    Q_OBJECT

private slots:
    void goldenVectors()
    {
        // Seed 10 is written with its leading zero; ')' then sums to 51, which the
        // key's '3' turns into 0, written as a blank and one digit; the fourth
        // character uses the key's '3' again.
        QCOMPARE(ScrambleWithSeed(kScrambleKey, ")BCD", 10), QByteArray("0A 07782F5"));
        QCOMPARE(ScrambleWithSeed(kScrambleKey, "A", 5), QByteArray("0575"));
        QCOMPARE(ScrambleWithSeed(kScrambleKey, "", 255), QByteArray("FF"));
        QCOMPARE(ScrambleText("D", kScrambleKey, "0A 07782F5"), QByteArray(")BCD"));
        QCOMPARE(ScrambleText("D", kScrambleKey, "0A"), QByteArray());
        // Code 0 cannot be told from 255 once scrambled.
        QCOMPARE(ScrambleText("D", kScrambleKey, ScrambleWithSeed(kScrambleKey, QByteArray(1, '\0'), 77)),
            QByteArray(1, '\xFF'));
    }

    void roundTripsEveryCode()
    {
        QByteArray text;
        for (int code = 1; code <= 254; ++code)
            text += static_cast<char>(code);
        QByteArray reversed = text;
        std::reverse(reversed.begin(), reversed.end());
        for (int seed = 1; seed <= 255; ++seed) {
            // Each code also follows every other one in some line, so every prev is met.
            QCOMPARE(ScrambleText("D", kScrambleKey, ScrambleWithSeed(kScrambleKey, text, seed)), text);
            QCOMPARE(ScrambleText("D", kScrambleKey, ScrambleWithSeed(kScrambleKey, reversed, seed)), reversed);
            for (const char code : text)
                QCOMPARE(ScrambleText("D", "7", ScrambleWithSeed("7", QByteArray(1, code), seed)), QByteArray(1, code));
        }
    }

    void randomSeedsRoundTripEvenCode255()
    {
        // With the seed 255 a leading 255 would come back as 0; "E" picks another seed.
        const QByteArray code255("\xFF\xFF\xFF", 3);
        QVERIFY(ScrambleText("D", kScrambleKey, ScrambleWithSeed(kScrambleKey, code255, 255)) != code255);
        QSet<QByteArray> seen;
        for (const QByteArray& text : { QByteArray("Ann\0061000\006True\006"), code255 }) {
            for (int i = 0; i < 50; ++i) {
                const QByteArray line = ScrambleText("E", kScrambleKey, text);
                QVERIFY(IsScrambledText(line));
                QCOMPARE(ScrambleText("D", kScrambleKey, line), text);
                seen.insert(line);
            }
        }
        QVERIFY(seen.size() > 2);
    }

    void badInput()
    {
        QCOMPARE(ScrambleText("e", kScrambleKey, "abc"), QByteArray());
        QCOMPARE(ScrambleText("E", "", "abc"), QByteArray());
        // Damaged input decodes to something without failing.
        QCOMPARE(ScrambleText("D", kScrambleKey, "0A 0778").size(), 3);
        QCOMPARE(ScrambleText("D", kScrambleKey, "zz!!?").size(), 2);
        QVERIFY(IsScrambledText("0A 07782F5") && IsScrambledText("FF"));
        for (const char* bad : { "", " A12", "0A0", "0A7 ", "0AG1" })
            QVERIFY2(!IsScrambledText(bad), bad);
    }

    void seedFromFraction()
    {
        QCOMPARE(ScrambleSeed(0.0), 1);
        QCOMPARE(ScrambleSeed(0.0255), 1); // 255 mod 255
        QCOMPARE(ScrambleSeed(0.00025), 3); // 2.5 rounds to 2
        QCOMPARE(ScrambleSeed(0.00035), 5); // 3.5 rounds to 4
    }

    void windows1252()
    {
        const QString text = QStringLiteral("Zoë € „x” ÿ");
        const QByteArray bytes("Zo\xEB \x80 \x84x\x94 \xFF");
        QCOMPARE(ToWindows1252(text), bytes);
        QCOMPARE(FromWindows1252(bytes), text);
        QVERIFY(FitsWindows1252(text));
        QVERIFY(!FitsWindows1252(QStringLiteral("Łukasz")));
        QCOMPARE(ToWindows1252(QStringLiteral("Łx")), QByteArray("?x"));
        for (int b = 0; b < 256; ++b) {
            const QByteArray one(1, static_cast<char>(b));
            QCOMPARE(ToWindows1252(FromWindows1252(one)), one);
        }
    }
};

QTEST_GUILESS_MAIN(TestScramble)
#include "test_scramble.moc"
