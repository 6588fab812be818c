#pragma once

// Where the player's files live, and the one-time move of the files older
// versions kept beside the program.

#include <QString>
#include <QStringList>

// The folder the game's data belongs in: code 35, the shared application-data
// folder, is the user's data folder here. The path has no trailing '/'; empty
// for a code we do not know or a folder that cannot be found.
[[nodiscard]] QString GetSpecialFolderPath(int folderCode);
inline constexpr int kDataFolderCode = 35;

// The user's data folder + "/Solitaire Quibel/" (programName), created when
// missing. When it cannot be written but holds a players file, it is still
// the data folder, read-only. When it cannot be created or written and holds
// no players, a folder of this user's own in the temporary folder
// ("Solitaire Quibel-<user id>", no access for others, never a symbolic link)
// stands in so the game still runs. Path always ends in '/'.
struct DataFolderChoice {
    QString Path;
    bool ReadOnly = false; // the players file cannot be changed: saves will fail
};
[[nodiscard]] DataFolderChoice ChooseDataFolder(const QString& programName);

struct DataFileMove {
    QStringList KeptInPlace; // files whose copy failed: never deleted
};

// When dataFolder holds no "*.dat" file and appFolder holds some, copies the
// players file and then the top ten file into dataFolder and deletes every
// "*.dat" file of appFolder, except one that exists but could not be copied.
// Names are matched in any letter case, as the files came from Windows.
[[nodiscard]] DataFileMove MoveOldDataFiles(const QString& appFolder, const QString& dataFolder);
