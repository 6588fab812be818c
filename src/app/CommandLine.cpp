#include "app/CommandLine.h"

#include "game/DealNumber.h"
#include "game/GameState.h"

#include <QString>

#include <cstdio>

namespace {
void Complain(const QString& text)
{
    std::fprintf(stderr, "solitaire-quibel: %s\n", qPrintable(text));
}
} // namespace

std::optional<int> RunCommandLine(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg != QLatin1String("--deal"))
            continue;
        const auto n = i + 1 < argc ? ParseDealNumber(QString::fromLocal8Bit(argv[i + 1])) : std::nullopt;
        if (!n) {
            Complain(QStringLiteral("--deal needs a deal number from 1 to 4294967295"));
            return 2;
        }
        Game().NextDealNumber = *n;
        ++i;
    }
    return std::nullopt;
}
