#include "records/DataFolder.h"

#include "records/PlayersFile.h"
#include "records/RecordFiles.h"
#include "records/TopTen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

bool IsWritableFolder(const QString& path)
{
    if (!QDir().mkpath(path) || IsMarkedReadOnly(path))
        return false;
    // Permission bits alone do not tell (read-only mounts): try a file.
    QTemporaryFile probe(path + QStringLiteral("/probe-XXXXXX"));
    return probe.open();
}

// A folder in the shared temporary folder is used only when it is this user's
// alone: made here with no access for others, or found as a real folder (not
// a symbolic link) this user owns that others cannot enter.
bool IsPrivateFolder(const QString& path)
{
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat info { };
    return ::lstat(native.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid()
        && (info.st_mode & 077) == 0;
#else
    return QDir().mkpath(path);
#endif
}

QString FallbackFolderName(const QString& programName)
{
#ifdef Q_OS_UNIX
    return programName + QLatin1Char('-') + QString::number(::geteuid());
#else
    return programName;
#endif
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

DataFolderChoice ChooseDataFolder(const QString& programName)
{
    const QString base = GetSpecialFolderPath(kDataFolderCode);
    const QString preferred = QDir::cleanPath(base + QLatin1Char('/') + programName) + QLatin1Char('/');
    const QString players = FindFileAnyCase(preferred, QString::fromLatin1(kPlayersFileName));
    if (!base.isEmpty() && IsWritableFolder(preferred))
        return { preferred, IsMarkedReadOnly(players) };
    // The players are where they are, even when their folder cannot be written.
    if (!base.isEmpty() && !players.isEmpty())
        return { preferred, true };
    const QString fallback
        = QDir::cleanPath(QDir::tempPath() + QLatin1Char('/') + FallbackFolderName(programName)) + QLatin1Char('/');
    if (IsPrivateFolder(fallback) && IsWritableFolder(fallback)) {
        qWarning(
            "Cannot write %s: the player's files are kept in %s", qUtf8Printable(preferred), qUtf8Printable(fallback));
        return { fallback, false };
    }
    qWarning("Cannot write %s nor %s: nothing can be saved", qUtf8Printable(preferred), qUtf8Printable(fallback));
    return { preferred, true };
}

DataFileMove MoveOldDataFiles(const QString& appFolder, const QString& dataFolder)
{
    DataFileMove move;
    if (!DatFiles(dataFolder).isEmpty())
        return move;
    const QStringList oldFiles = DatFiles(appFolder);
    if (oldFiles.isEmpty())
        return move;
    QDir app(appFolder);
    const QDir data(dataFolder);
    for (const QString& name : { QString::fromLatin1(kPlayersFileName), QString::fromLatin1(kTopTenFileName) }) {
        const QString source = FindFileAnyCase(appFolder, name);
        if (source.isEmpty())
            continue;
        if (!QFile::copy(source, data.filePath(name))) {
            qWarning(
                "Cannot copy %s into %s: it stays where it is", qUtf8Printable(source), qUtf8Printable(dataFolder));
            move.KeptInPlace.append(QFileInfo(source).fileName());
        }
    }
    for (const QString& name : oldFiles) {
        if (!move.KeptInPlace.contains(name))
            app.remove(name);
    }
    return move;
}
