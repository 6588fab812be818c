#include "records/Scramble.h"

#include "game/VbMath.h"

#include <QRandomGenerator>

#include <array>
#include <cmath>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// A pair read as hex with blanks ignored; anything else reads as 0 so that a
// damaged line decodes to nonsense instead of failing.
int PairValue(QByteArrayView pair)
{
    int value = 0;
    for (const char c : pair) {
        if (c == ' ')
            continue;
        const int digit = HexDigitValue(c);
        if (digit < 0)
            return 0;
        value = value * 16 + digit;
    }
    return value;
}

QByteArray Unscramble(QByteArrayView key, QByteArrayView text)
{
    QByteArray out;
    int prev = PairValue(text.first(std::min<qsizetype>(2, text.size())));
    qsizetype k = 0;
    for (qsizetype i = 2; i < text.size(); i += 2) {
        const int b = PairValue(text.sliced(i, std::min<qsizetype>(2, text.size() - i)));
        k = k < key.size() ? k + 1 : 1;
        const int x = b ^ static_cast<unsigned char>(key[k - 1]);
        const int c = x > prev ? x - prev : 255 + x - prev;
        out += static_cast<char>(c);
        prev = b;
    }
    return out;
}

// Windows-1252 gives these characters to 0x80..0x9F. The five codes it leaves
// unassigned map to the C1 controls of the same number, as Windows itself does,
// so every byte survives a round trip. The table is written out because Qt's
// QStringConverter only knows this code page when built with ICU.
constexpr std::array<char16_t, 32> kHighControls = { 0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178 };

int Windows1252Byte(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < static_cast<int>(kHighControls.size()); ++i) {
        if (kHighControls[i] == u)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

int ScrambleSeed(double r)
{
    return static_cast<int>(std::fmod(RoundHalfEven(r * 10000.0), 255.0)) + 1;
}

QByteArray ScrambleWithSeed(QByteArrayView key, QByteArrayView text, int seed)
{
    if (key.isEmpty())
        return {};
    QByteArray out;
    out.reserve(2 + 2 * text.size());
    out += kHexDigits[(seed >> 4) & 0xF];
    out += kHexDigits[seed & 0xF];
    int prev = seed;
    qsizetype k = 0;
    for (const char ch : text) {
        const int s = (static_cast<unsigned char>(ch) + prev) % 255;
        k = k < key.size() ? k + 1 : 1;
        const int b = s ^ static_cast<unsigned char>(key[k - 1]);
        out += b < 16 ? ' ' : kHexDigits[b >> 4];
        out += kHexDigits[b & 0xF];
        prev = b;
    }
    return out;
}

QByteArray ScrambleText(QByteArrayView mode, QByteArrayView key, QByteArrayView text)
{
    if (key.isEmpty())
        return {};
    if (mode == "D")
        return Unscramble(key, text);
    if (mode != "E")
        return {};
    // A byte 255 after a scrambled byte 255 (or the seed 255) would come back
    // as 0; another seed changes the whole chain, so try the seeds in turn
    // until the line reads back as written.
    const int first = ScrambleSeed(QRandomGenerator::global()->generateDouble());
    QByteArray out;
    for (int n = 0; n < 255; ++n) {
        out = ScrambleWithSeed(key, text, (first - 1 + n) % 255 + 1);
        if (Unscramble(key, out) == text)
            break;
    }
    return out;
}

bool IsScrambledText(QByteArrayView text)
{
    if (text.size() < 2 || text.size() % 2 != 0)
        return false;
    if (HexDigitValue(text[0]) < 0 || HexDigitValue(text[1]) < 0)
        return false;
    for (qsizetype i = 2; i < text.size(); i += 2) {
        if ((text[i] != ' ' && HexDigitValue(text[i]) < 0) || HexDigitValue(text[i + 1]) < 0)
            return false;
    }
    return true;
}

QByteArray ToWindows1252(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const int b = Windows1252Byte(c.unicode());
        out += static_cast<char>(b < 0 ? '?' : b);
    }
    return out;
}

QString FromWindows1252(QByteArrayView bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        out += QChar(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t(b));
    }
    return out;
}

bool FitsWindows1252(QStringView text)
{
    for (const QChar c : text) {
        if (Windows1252Byte(c.unicode()) < 0)
            return false;
    }
    return true;
}
