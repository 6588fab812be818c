#include "records/RecordFiles.h"

#include "game/VbMath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cctype>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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
    return ToInt32(std::strtod(number.c_str(), &end));
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

QList<QByteArray> SplitLines(const QByteArray& bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

std::optional<QByteArray> ReadWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

bool WriteFileAtomically(const QString& path, const QByteArray& data, const QString& tempName)
{
    const QString tempPath = QFileInfo(path).absolutePath() + QLatin1Char('/') + tempName;
    QFile temp(tempPath);
    if (!temp.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    bool ok = temp.write(data) == data.size() && temp.flush();
#ifdef Q_OS_UNIX
    // Without this a power cut right after the rename can leave an empty file.
    ok = ok && ::fsync(temp.handle()) == 0;
#endif
    temp.close();
    if (!ok) {
        QFile::remove(tempPath);
        return false;
    }
    // QFile::rename refuses to replace an existing file; the standard rename
    // replaces it in one step.
    std::error_code error;
    std::filesystem::rename(QFile(tempPath).filesystemFileName(), QFile(path).filesystemFileName(), error);
    if (error) {
        QFile::remove(tempPath);
        return false;
    }
    return true;
}

QString FindFileAnyCase(const QString& folder, const QString& fileName)
{
    const QDir dir(folder);
    if (dir.exists(fileName))
        return dir.filePath(fileName);
    const QStringList found = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : found) {
        if (name.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    }
    return dir.filePath(fileName);
}
