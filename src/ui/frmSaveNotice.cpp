#include "ui/frmSaveNotice.h"

#include "records/SavePoints.h"
#include "ui/MsgBox.h"

void SavePlayersAndTell(GameState& g)
{
    // A failure stays in the ledger, which the next line tells the player of.
    (void)SavePlayersAtSavePoint(g);
    TellSaveFailures();
}

void TellSaveFailures()
{
    const QString notice = TakeSaveFailureNotice();
    if (!notice.isEmpty())
        MsgBox(notice, vbOKOnly | vbExclamation, QStringLiteral("Not Saved"));
}
