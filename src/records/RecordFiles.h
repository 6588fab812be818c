#pragma once

// Small pieces the players file and the top ten file share: reading their
// lines and numbers the way the game always has, and rewriting them safely.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

// The leading number of a field (blanks skipped, sign, digits, fraction,
// exponent) as the nearest 32-bit value; nothing when there is no number or
// it does not fit.
std::optional<int32_t> LeadingNumber(QByteArrayView field);

// Blanks (not other white space) removed at both ends.
QByteArrayView TrimBlanks(QByteArrayView text);
QString TrimBlanks(const QString& text);

// The lines of a file's bytes, each without its CR LF (a lone LF ends a line
// too); a final line without an ending still counts.
QList<QByteArray> SplitLines(const QByteArray& bytes);

// Reads a whole file; nothing when it is missing or cannot be read.
std::optional<QByteArray> ReadWholeFile(const QString& path);

// Writes data to tempName in the folder of path, flushes it to disk and renames
// it over path, so the old file stays whole until the new one is complete.
bool WriteFileAtomically(const QString& path, const QByteArray& data, const QString& tempName);

// An existing file of folder whose name equals fileName in any letter case,
// the exact spelling first; fileName itself in folder when there is none.
QString FindFileAnyCase(const QString& folder, const QString& fileName);
