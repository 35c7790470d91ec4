#pragma once

#include <cstdint>

namespace zilvaro {

// Conversions from real numbers to integers go to the nearest integer, halves to even
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2): record numbers, counts, coordinates and numbers read
// from text all follow this rule.
double roundHalfEven(double value);

// Rounds halves to even and converts to a signed 16-bit integer. A value outside
// -32768..32767 is a failure (Failure), as an integer overflow ends the handler.
std::int16_t toInt16(double value);

// Rounds halves to even and converts to a signed 32-bit integer; overflow is a failure.
std::int32_t toInt32(double value);

// Integer division of two numbers: both are first rounded to integers (halves to even),
// then the quotient is truncated toward zero. A zero divisor is a failure.
std::int32_t integerDivide(double dividend, double divisor);

} // namespace zilvaro
