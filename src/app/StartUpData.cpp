#include "app/StartUpData.h"

#include "game/GameState.h"
#include "records/DataFolder.h"
#include "records/PlayersFile.h"
#include "records/SavePoints.h"
#include "records/TopTen.h"
#include "ui/MsgBox.h"
#include "ui/frmSaveNotice.h"

void PrepareDataFolder(GameState& g)
{
    const DataFolderChoice folder = ChooseDataFolder(g.ProgramName);
    g.DataFolder = folder.Path;
    // Older versions kept their files beside the program; they move once.
    const DataFileMove move = MoveOldDataFiles(g.AppFolder, g.DataFolder);
    for (const QString& name : move.KeptInPlace)
        qWarning("Could not copy %s into %s: it stays beside the program", qUtf8Printable(name),
            qUtf8Printable(g.DataFolder));
    g.PlayersFilePath = g.DataFolder + QLatin1String(kPlayersFileName);
    if (folder.ReadOnly) {
        MsgBox(ReadOnlyFilesNotice(), vbOKOnly | vbExclamation, QStringLiteral("Not Saved"));
        NoteFilesReadOnly();
    }
}

void CheckTopTenAge(GameState& g)
{
    bool reset = false;
    switch (TopTenStartupCheck(g.DataFolder)) {
    case TopTenStartup::Missing:
        reset = true;
        break;
    case TopTenStartup::Old:
        reset = MsgBox(TopTenOldQuestion(), vbYesNo | vbQuestion, TopTenOldQuestionTitle()) == vbYes;
        break;
    case TopTenStartup::Current:
        break;
    }
    // After a failed reset the table in memory holds what the file still
    // gives, or stays empty; the player is told the high scores are not saved.
    if (reset && !ResetTopTen(g)) {
        NoteFailedSave();
        TellSaveFailures();
    }
    if (!LoadTopTen(g))
        qWarning("Cannot read the top ten file %s", qUtf8Printable(TopTenFilePath(g.DataFolder)));
}
