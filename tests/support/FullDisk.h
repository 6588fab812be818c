#pragma once

// A disk that fills up, for tests of failed writes. While a FullDisk lives, no
// file this process writes may grow beyond its room: a write past it fails as
// on a full disk. Unlike a read-only folder this stops root as well.

#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

namespace test {

class FullDisk {
public:
    // room: the bytes a file may still hold. 0 fails every write, the lock
    // files' included.
    explicit FullDisk(rlim_t room = 0)
    {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        // Without this the system ends the process instead of failing the write.
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = room;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    // Room for a lock file of this process and nothing bigger: the lock is
    // taken, the larger file written under it is not.
    static rlim_t LockRoom()
    {
        QTemporaryDir dir;
        QLockFile lock(dir.filePath(QStringLiteral("probe.lock")));
        return lock.tryLock(0) ? QFileInfo(dir.filePath(QStringLiteral("probe.lock"))).size() : 0;
    }

private:
    rlimit old_ {};
    void (*oldHandler_)(int) = nullptr;
};

} // namespace test
