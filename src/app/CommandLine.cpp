#include "app/CommandLine.h"

#include "game/CardCodes.h"
#include "game/DealNumber.h"
#include "game/GameState.h"
#include "game/ParSolver.h"
#include "game/PlayOut.h"

#include <QString>
#include <QStringList>

#include <cmath>
#include <cstdio>

namespace {
constexpr double kDefaultParSeconds = 10.0;

int Complain(const QString& text)
{
    std::fprintf(stderr, "solitaire-quibel: %s\n", qPrintable(text));
    return 2;
}

void Print(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
}

// The board as dealt, one line per column from its top card; then the par and
// the plays that reach it, one play a line.
void PrintPar(uint32_t deal, double seconds)
{
    const Position start = DealtPosition(deal);
    Print(QStringLiteral("Deal ") + QString::number(deal));
    for (int c = 1; c <= start.g.ActiveColumns; ++c) {
        QStringList column;
        for (int r = 1; r <= start.g.NumRows; ++r)
            column << CardCode(start.g.CardGrid(c, r));
        Print(column.join(QLatin1Char(' ')));
    }
    const ParResult par = SolvePar(start, seconds);
    Print(
        QStringLiteral("Par: ") + FormatMoney(par.score) + (par.proven ? QStringLiteral(" (proven best)") : QString()));
    Position board = start;
    for (const LegalPlay& play : par.line) {
        Print(PlayLine(board.g, board.cards, play));
        MakePlay(board, play);
    }
    std::fflush(stdout);
}

std::optional<uint32_t> DealAfter(int i, int argc, char** argv)
{
    return i + 1 < argc ? ParseDealNumber(QString::fromLocal8Bit(argv[i + 1])) : std::nullopt;
}
} // namespace

std::optional<int> RunCommandLine(int argc, char** argv)
{
    std::optional<uint32_t> parDeal;
    double seconds = kDefaultParSeconds;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--deal")) {
            const auto n = DealAfter(i++, argc, argv);
            if (!n)
                return Complain(QStringLiteral("--deal needs a deal number from 1 to 4294967295"));
            Game().NextDealNumber = *n;
        } else if (arg == QLatin1String("--par")) {
            parDeal = DealAfter(i++, argc, argv);
            if (!parDeal)
                return Complain(QStringLiteral("--par needs a deal number from 1 to 4294967295"));
        } else if (arg == QLatin1String("--seconds")) {
            bool ok = false;
            seconds = i + 1 < argc ? QString::fromLocal8Bit(argv[++i]).toDouble(&ok) : 0.0;
            if (!ok || !(seconds > 0) || !std::isfinite(seconds))
                return Complain(QStringLiteral("--seconds needs a number of seconds above 0"));
        }
    }
    if (!parDeal)
        return std::nullopt;
    PrintPar(*parDeal, seconds);
    return 0;
}
