#include "game/VbMath.h"

#include <QTime>

#include <cmath>
#include <limits>
#include <random>

double RoundHalfEven(double x)
{
    return std::nearbyint(x); // the default rounding mode is to nearest, ties to even
}

std::optional<int16_t> ToInt16(double x)
{
    if (!std::isfinite(x))
        return std::nullopt;
    const double r = RoundHalfEven(x);
    if (r < std::numeric_limits<int16_t>::min() || r > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(r);
}

std::optional<int32_t> ToInt32(double x)
{
    if (!std::isfinite(x))
        return std::nullopt;
    const double r = RoundHalfEven(x);
    if (r < std::numeric_limits<int32_t>::min() || r > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(r);
}

namespace {
std::mt19937& Generator()
{
    static std::mt19937 gen(0x5eed);
    return gen;
}
} // namespace

double Rnd()
{
    // 53 random bits, so the result is never 1.0.
    auto& gen = Generator();
    const double hi = static_cast<double>(gen() >> 5);
    const double lo = static_cast<double>(gen() >> 6);
    return (hi * 67108864.0 + lo) / 9007199254740992.0;
}

void Randomize(double seed)
{
    Generator().seed(static_cast<std::uint32_t>(std::llround(seed * 1000.0)));
}

double SecondsSinceMidnight()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}
