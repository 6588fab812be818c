#include "records/frmSaveNotice.h"

#include "records/SavePoints.h"
#include "ui/MsgBox.h"

void SavePlayersAndTell(GameState& g)
{
    SavePlayersAtSavePoint(g);
    TellSaveFailures();
}

void TellSaveFailures()
{
    const QString notice = TakeSaveFailureNotice();
    if (!notice.isEmpty())
        MsgBox(notice, vbOKOnly | vbExclamation, QStringLiteral("Not Saved"));
}
