#include "app/StartUpData.h"

#include "game/GameState.h"

#include <QDir>
#include <QStandardPaths>

void PrepareDataFolder(GameState& g)
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    g.DataFolder = base + QLatin1Char('/') + g.ProgramName;
    QDir().mkpath(g.DataFolder);
    g.DataFolder += QLatin1Char('/');
    g.PlayersFilePath = g.DataFolder + QStringLiteral("players.dat");
}

void CheckTopTenAge(GameState&) {}
