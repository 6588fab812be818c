#include "records/DataFolder.h"

#include "records/PlayersFile.h"
#include "records/RecordFiles.h"
#include "records/TopTen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

bool IsWritableFolder(const QString& path)
{
    if (!QDir().mkpath(path))
        return false;
    // Permission bits alone do not tell (root, read-only mounts): try a file.
    QTemporaryFile probe(path + QStringLiteral("/probe-XXXXXX"));
    return probe.open();
}

QStringList DatFiles(const QString& folder)
{
    QStringList dat;
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : files) {
        if (name.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive))
            dat.append(name);
    }
    return dat;
}

} // namespace

QString GetSpecialFolderPath(int folderCode)
{
    if (folderCode != kDataFolderCode)
        return {};
    QString path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

QString ResolveDataFolder(const QString& programName)
{
    const QString base = GetSpecialFolderPath(kDataFolderCode);
    const QString preferred = QDir::cleanPath(base + QLatin1Char('/') + programName) + QLatin1Char('/');
    if (!base.isEmpty() && IsWritableFolder(preferred))
        return preferred;
    const QString fallback = QDir::cleanPath(QDir::tempPath() + QLatin1Char('/') + programName) + QLatin1Char('/');
    if (IsWritableFolder(fallback))
        return fallback;
    return preferred;
}

DataFileMove MoveOldDataFiles(const QString& appFolder, const QString& dataFolder)
{
    DataFileMove move;
    if (!DatFiles(dataFolder).isEmpty())
        return move;
    const QStringList oldFiles = DatFiles(appFolder);
    if (oldFiles.isEmpty())
        return move;
    move.Moved = true;
    QDir app(appFolder);
    const QDir data(dataFolder);
    for (const QString& name : { QString::fromLatin1(kPlayersFileName), QString::fromLatin1(kTopTenFileName) }) {
        const QString source = FindFileAnyCase(appFolder, name);
        if (!QFileInfo::exists(source))
            continue;
        if (QFile::copy(source, data.filePath(name)))
            move.Copied.append(name);
        else
            move.KeptInPlace.append(QFileInfo(source).fileName());
    }
    for (const QString& name : oldFiles) {
        if (!move.KeptInPlace.contains(name) && app.remove(name))
            move.Deleted.append(name);
    }
    return move;
}
