#pragma once

// One copy of the game plays as a player at a time. While a player is the
// chosen one, a lock file in the data folder, named from the player's name,
// says so; it dies with the process that holds it, so a copy that crashed or
// was killed never keeps the player from being chosen again.

#include <QString>

#include <memory>

class QLockFile;

class PlayerLock {
public:
    PlayerLock();
    ~PlayerLock();
    PlayerLock(const PlayerLock&) = delete;
    PlayerLock& operator=(const PlayerLock&) = delete;

    // Makes `name` the player this lock holds, giving up the one held before.
    // False, with the lock held before kept, only when another running copy
    // of the game holds that player. A data folder where no lock can be
    // written (read-only, say) holds nothing and answers true: the player
    // can still play, the files cannot be saved there anyway.
    [[nodiscard]] bool Take(const QString& dataFolder, const QString& name);
    void Release();
    // The player held, empty for none.
    QString Name() const { return name_; }

private:
    std::unique_ptr<QLockFile> lock_;
    QString name_;
};

// The lock file of a player in the data folder.
[[nodiscard]] QString PlayerLockPath(const QString& dataFolder, const QString& name);
// True when another running copy of the game plays as this player now.
[[nodiscard]] bool PlayerHeldElsewhere(const QString& dataFolder, const QString& name);

// The lock of this copy's chosen player.
PlayerLock& ChosenPlayerLock();
