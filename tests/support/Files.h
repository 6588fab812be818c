#pragma once

// Whole-file reads and writes for the tests that build or inspect data files.

#include "records/TopTen.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>
#include <QTest>

namespace test {

// The file's bytes; empty when it cannot be read.
inline QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Replaces the file's contents, dated `changed` when given; fails the calling test when it cannot.
inline void WriteBytes(const QString& path, const QByteArray& bytes, const QDateTime& changed = {})
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
    if (changed.isValid())
        QVERIFY(file.flush() && file.setFileTime(changed, QFileDevice::FileModificationTime));
}

// A top ten file of the table's rows 0..9 in the data folder (plain names only).
template <class Table> inline void WriteTopTenFile(const QString& dataFolder, const Table& rows)
{
    QByteArray data;
    for (int row = 0; row <= 9; ++row) {
        const auto score = rows[row].Score;
        data += rows[row].Name.toLatin1() + "\r\n" + (score < 0 ? "" : " ") + QByteArray::number(score) + "\r\n";
    }
    WriteBytes(dataFolder + QStringLiteral("TopTen.dat"), data);
}

// The top ten as the data folder's file holds it; fails the calling test when it cannot be read.
inline TopTenTable TopTenOnDisk(const QString& dataFolder)
{
    GameState file;
    file.DataFolder = dataFolder;
    if (!LoadTopTen(file))
        QTest::qFail("the top ten file cannot be read", __FILE__, __LINE__);
    return file.TopTen;
}

} // namespace test
