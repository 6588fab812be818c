#pragma once

// Small pieces the players file and the top ten file share: reading their
// lines and numbers the way the game always has, and rewriting them safely.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QLockFile>
#include <QString>

#include <cstdint>
#include <optional>

// The leading number of a field (blanks skipped, sign, digits, fraction,
// exponent) as the nearest 32-bit value, a number beyond 32 bits stopping at
// the nearest limit; nothing when there is no number.
std::optional<int32_t> LeadingNumber(QByteArrayView field);

// Blanks (not other white space) removed at both ends.
QByteArrayView TrimBlanks(QByteArrayView text);
QString TrimBlanks(const QString& text);

// One line of a text file and the ending it had: CR LF, LF, a lone CR (files
// from other editors), or nothing for a last line without one.
struct FileLine {
    QByteArray Text;
    QByteArray Ending;
};

// A text file's lines as they stand, so a rewrite gives back every line it
// does not change byte for byte. A UTF-8 byte-order mark before the first
// line is kept apart and written back.
struct FileLines {
    QByteArray Mark;
    QList<FileLine> Lines;

    // Adds a line ending in CR LF, ending the last line first if it had no ending.
    void Append(const QByteArray& text);
    QByteArray Bytes() const;
};
FileLines SplitFileLines(const QByteArray& bytes);

// The lines of a file's bytes without their endings or byte-order mark; a
// final line without an ending still counts.
QList<QByteArray> SplitLines(const QByteArray& bytes);

// Reads a whole file; nothing when it is missing or cannot be read.
[[nodiscard]] std::optional<QByteArray> ReadWholeFile(const QString& path);

// A file or folder whose owner took away its write permission. The game
// honours that even when the system would let it write (run by root).
[[nodiscard]] bool IsMarkedReadOnly(const QString& path);

// Replaces the file at path with data in one step: the old file stays whole
// until the new one is complete on disk, and a failed write leaves no work
// file behind. A file marked read-only is never replaced: false, nothing written.
[[nodiscard]] bool WriteFileAtomically(const QString& path, const QByteArray& data);

// Another copy of the game holds a lock only for one short rewrite.
inline constexpr int kRecordLockWaitMs = 10000;

// Takes the lock guarding a rewrite of the player's files, waiting up to
// waitMs for another copy of the game. A lock whose owner has died is taken
// over at once (QLockFile's own test); so is one a crash left empty or
// unreadable, as soon as it is a moment old. False when the lock could not
// be taken (held too long, or the folder cannot be written).
[[nodiscard]] bool TakeRecordLock(QLockFile& lock, int waitMs = kRecordLockWaitMs);

// The file of folder whose name equals fileName in any letter case (files
// may come from Windows), the exact spelling first; empty when there is none.
// A folder of that name is no file.
[[nodiscard]] QString FindFileAnyCase(const QString& folder, const QString& fileName);
