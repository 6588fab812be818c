#include "records/PlayerLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>

namespace {

// A lock file whose owner is gone, or that a crash left empty, is taken over
// after this long. A running owner keeps a native lock on the file, so its
// lock is never taken over, however old it is.
constexpr int kStaleAfterMs = 1000;

} // namespace

QString PlayerLockPath(const QString& dataFolder, const QString& name)
{
    // Names may hold any character a file name cannot; a hash of the name can not.
    const QByteArray hash = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return QDir(dataFolder).filePath(QStringLiteral("player-") + QString::fromLatin1(hash) + QStringLiteral(".lock"));
}

PlayerLock::PlayerLock() = default;

PlayerLock::~PlayerLock() = default;

bool PlayerLock::Take(const QString& dataFolder, const QString& name)
{
    const QString path = PlayerLockPath(dataFolder, name);
    if (lock_ && lock_->fileName() == path)
        return true;
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(kStaleAfterMs);
    if (!lock->tryLock(0)) {
        if (lock->error() == QLockFile::LockFailedError)
            return false;
        qWarning(
            "Cannot write the player's lock %s: the player is not guarded against a second copy", qUtf8Printable(path));
        lock.reset();
    }
    lock_ = std::move(lock);
    name_ = name;
    return true;
}

void PlayerLock::Release()
{
    lock_.reset();
    name_.clear();
}

bool PlayerHeldElsewhere(const QString& dataFolder, const QString& name)
{
    if (ChosenPlayerLock().Name() == name)
        return false;
    PlayerLock probe;
    return !probe.Take(dataFolder, name);
}

PlayerLock& ChosenPlayerLock()
{
    static PlayerLock lock;
    return lock;
}
