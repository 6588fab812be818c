#pragma once

// The keyed scrambling of the players file's lines, and the Windows-1252
// text those lines carry. Plain text is bytes; scrambled text is upper-case
// hexadecimal pairs after a two-digit seed.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The one key every line of the players file was ever scrambled with.
inline constexpr char kScrambleKey[] = "358";

// mode "E" scrambles text with a random seed, "D" unscrambles it; any other
// mode, or an empty key, gives an empty result.
QByteArray ScrambleText(QByteArrayView mode, QByteArrayView key, QByteArrayView text);

// Scrambling with a chosen seed (1..255), for golden vectors and tests.
QByteArray ScrambleWithSeed(QByteArrayView key, QByteArrayView text, int seed);

// The seed a random fraction r in [0, 1) gives: 1..255.
int ScrambleSeed(double r);

// Strict check of the scrambled form: a two-digit hex seed, then pairs that
// are two hex digits or a blank and one hex digit.
bool IsScrambledText(QByteArrayView text);

// Windows-1252 conversions. Characters without a Windows-1252 byte become '?'.
QByteArray ToWindows1252(QStringView text);
QString FromWindows1252(QByteArrayView bytes);
bool FitsWindows1252(QStringView text);
