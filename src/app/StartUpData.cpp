#include "app/StartUpData.h"

#include "game/GameState.h"
#include "records/DataFolder.h"
#include "records/PlayersFile.h"
#include "records/SavePoints.h"
#include "records/TopTen.h"
#include "ui/MsgBox.h"

void PrepareDataFolder(GameState& g)
{
    const DataFolderChoice folder = ChooseDataFolder(g.ProgramName);
    g.DataFolder = folder.Path;
    // Older versions kept their files beside the program; they move once.
    MoveOldDataFiles(g.AppFolder, g.DataFolder);
    g.PlayersFilePath = g.DataFolder + QLatin1String(kPlayersFileName);
    if (folder.ReadOnly) {
        MsgBox(ReadOnlyFilesNotice(), vbOKOnly | vbExclamation, QStringLiteral("Not Saved"));
        NoteFilesReadOnly();
    }
}

void CheckTopTenAge(GameState& g)
{
    switch (TopTenStartupCheck(g.DataFolder)) {
    case TopTenStartup::Missing:
        ResetTopTen(g);
        break;
    case TopTenStartup::Old:
        if (MsgBox(TopTenOldQuestion(), vbYesNo | vbQuestion, TopTenOldQuestionTitle()) == vbYes)
            ResetTopTen(g);
        break;
    case TopTenStartup::Current:
        break;
    }
    LoadTopTen(g);
}
