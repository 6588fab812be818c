#pragma once

// The arithmetic the game's figures follow: whole numbers rounded half to
// even, 16-bit conversions that report overflow, and one shared random source.

#include <cstdint>
#include <optional>

// Nearest whole number, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double x);

// The nearest 16-bit value, or nothing when it does not fit.
std::optional<int16_t> ToInt16(double x);

// The nearest 32-bit value, or nothing when it does not fit.
std::optional<int32_t> ToInt32(double x);

// One shared generator: Rnd() is uniform in [0, 1).
double Rnd();
// Reseeds the shared generator (the deal seeds it from seconds since midnight).
void Randomize(double seed);
// Seconds since midnight, local time.
double SecondsSinceMidnight();
