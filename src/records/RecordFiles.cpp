#include "records/RecordFiles.h"

#include "game/VbMath.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>

#include <algorithm>
#include <cctype>
#include <limits>

std::optional<int32_t> LeadingNumber(QByteArrayView field)
{
    // Blanks inside a number are skipped, as the game's old number reading did.
    std::string number;
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < field.size() && (field[i] == ' ' || field[i] == '\t'))
            ++i;
    };
    auto digits = [&] {
        bool any = false;
        for (skipBlanks(); i < field.size() && std::isdigit(static_cast<unsigned char>(field[i])); skipBlanks()) {
            number += field[i++];
            any = true;
        }
        return any;
    };
    skipBlanks();
    if (i < field.size() && (field[i] == '-' || field[i] == '+'))
        number += field[i++];
    bool any = digits();
    if (i < field.size() && field[i] == '.') {
        number += field[i++];
        any = digits() || any;
    }
    if (!any)
        return std::nullopt;
    if (i < field.size() && (field[i] == 'e' || field[i] == 'E' || field[i] == 'd' || field[i] == 'D')) {
        std::string exponent = "e";
        qsizetype j = i + 1;
        if (j < field.size() && (field[j] == '-' || field[j] == '+'))
            exponent += field[j++];
        const qsizetype digitsStart = j;
        while (j < field.size() && std::isdigit(static_cast<unsigned char>(field[j])))
            exponent += field[j++];
        if (j > digitsStart)
            number += exponent;
    }
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    return ToInt32(std::clamp<double>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

QByteArrayView TrimBlanks(QByteArrayView text)
{
    while (!text.isEmpty() && text.front() == ' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == ' ')
        text.chop(1);
    return text;
}

QString TrimBlanks(const QString& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == QLatin1Char(' '))
        ++start;
    while (end > start && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}

void FileLines::Append(const QByteArray& text)
{
    if (!Lines.isEmpty() && Lines.last().Ending.isEmpty())
        Lines.last().Ending = "\r\n";
    Lines.append({ text, "\r\n" });
}

QByteArray FileLines::Bytes() const
{
    QByteArray bytes = Mark;
    for (const FileLine& line : Lines)
        bytes += line.Text + line.Ending;
    return bytes;
}

FileLines SplitFileLines(const QByteArray& bytes)
{
    FileLines file;
    QByteArrayView rest(bytes);
    if (rest.startsWith("\xEF\xBB\xBF")) {
        file.Mark = rest.first(3).toByteArray();
        rest = rest.sliced(3);
    }
    while (!rest.isEmpty()) {
        qsizetype end = 0;
        while (end < rest.size() && rest[end] != '\r' && rest[end] != '\n')
            ++end;
        qsizetype endingSize = 0;
        if (end < rest.size())
            endingSize = rest.sliced(end).startsWith("\r\n") ? 2 : 1;
        file.Lines.append({ rest.first(end).toByteArray(), rest.sliced(end, endingSize).toByteArray() });
        rest = rest.sliced(end + endingSize);
    }
    return file;
}

QList<QByteArray> SplitLines(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    for (const FileLine& line : SplitFileLines(bytes).Lines)
        lines.append(line.Text);
    return lines;
}

std::optional<QByteArray> ReadWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        // A missing file is no fault: the first start has none.
        if (file.exists())
            qWarning("Cannot read %s: %s", qUtf8Printable(path), qUtf8Printable(file.errorString()));
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        qWarning("Cannot read %s: %s", qUtf8Printable(path), qUtf8Printable(file.errorString()));
        return std::nullopt;
    }
    return bytes;
}

bool IsMarkedReadOnly(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !(info.permissions() & QFileDevice::WriteOwner);
}

bool WriteFileAtomically(const QString& path, const QByteArray& data)
{
    if (IsMarkedReadOnly(path)) {
        qWarning("Not written, marked read-only: %s", qUtf8Printable(path));
        return false;
    }
    // QSaveFile writes beside the file, flushes to disk and renames over it
    // only once everything is written; an unfinished copy is removed.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        qWarning("Cannot write %s: %s", qUtf8Printable(path), qUtf8Printable(file.errorString()));
        return false;
    }
    // Unbuffered, a disk that fills up part way shows as a short count here;
    // a buffered flush would drop the rest and still report success.
    if (file.write(data) != data.size()) {
        qWarning("Cannot write %s: only part of it fits on the disk", qUtf8Printable(path));
        return false;
    }
    if (!file.commit()) {
        qWarning("Cannot replace %s: %s", qUtf8Printable(path), qUtf8Printable(file.errorString()));
        return false;
    }
    return true;
}

bool TakeRecordLock(QLockFile& lock, int waitMs)
{
    // A live copy writes its lock's contents the moment it creates it, so an
    // empty or unreadable lock older than this was left by a crash.
    constexpr int kUnreadableStaleMs = 300;
    QDeadlineTimer deadline(waitMs);
    for (;;) {
        if (lock.tryLock(0))
            return true;
        if (lock.error() != QLockFile::LockFailedError) {
            qWarning("Cannot write the lock %s", qUtf8Printable(lock.fileName()));
            return false;
        }
        qint64 pid = 0;
        QString host;
        QString app;
        if (!lock.getLockInfo(&pid, &host, &app)) {
            // Only this attempt counts such a lock stale early; QLockFile still
            // guards the takeover against a second copy doing the same.
            lock.setStaleLockTime(kUnreadableStaleMs);
            const bool taken = lock.tryLock(0);
            lock.setStaleLockTime(30000);
            if (taken)
                return true;
        }
        if (deadline.hasExpired()) {
            qWarning("Lock %s still held by process %lld after %d ms", qUtf8Printable(lock.fileName()), pid, waitMs);
            return false;
        }
        QThread::msleep(20);
    }
}

QString FindFileAnyCase(const QString& folder, const QString& fileName)
{
    if (folder.isEmpty() || fileName.isEmpty())
        return {};
    const QDir dir(folder);
    const QFileInfo exact(dir.filePath(fileName));
    if (exact.isFile())
        return exact.filePath();
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (name.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    }
    return {};
}
