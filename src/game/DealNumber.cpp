#include "game/DealNumber.h"

#include "game/Deal.h"

#include <cmath>
#include <utility>

namespace {
class SplitMix64 {
public:
    explicit SplitMix64(uint64_t seed)
        : state_(seed)
    {
    }
    uint64_t Next()
    {
        state_ += 0x9E3779B97F4A7C15ull;
        uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

private:
    uint64_t state_;
};
} // namespace

DeckOrder DealOrder(uint32_t dealNumber)
{
    GameState g;
    for (int i = 1; i <= kDeckSize; ++i)
        g.Deck[i] = static_cast<CardId>(i);
    SplitMix64 draw(dealNumber == 0 ? kFirstDealNumber : dealNumber);
    // The modulo's bias is below one part in 2^58: no deal is noticeably favoured.
    for (int i = kDeckSize; i >= 2; --i) {
        const int j = 1 + static_cast<int>(draw.Next() % static_cast<uint64_t>(i));
        std::swap(g.Deck[i], g.Deck[j]);
    }
    AssignJokerIds(g);
    return g.Deck;
}

uint32_t DealNumberFor(double u)
{
    const double n = std::floor(u * kLastDealNumber);
    if (!(n >= 0))
        return kFirstDealNumber;
    if (n >= kLastDealNumber)
        return kLastDealNumber;
    return static_cast<uint32_t>(n) + 1;
}

std::optional<uint32_t> ParseDealNumber(const QString& text)
{
    bool ok = false;
    const qulonglong n = text.trimmed().toULongLong(&ok, 10);
    if (!ok || n < kFirstDealNumber || n > kLastDealNumber)
        return std::nullopt;
    return static_cast<uint32_t>(n);
}

QString DealCaption(uint32_t dealNumber)
{
    return QStringLiteral("Deal ") + QString::number(dealNumber);
}
