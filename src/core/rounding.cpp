#include "core/rounding.h"

#include "core/failure.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace zilvaro {

double roundHalfEven(double value) {
    // nearbyint honours the current rounding mode, which is round-to-nearest-even
    // unless someone changed it; set it explicitly to be independent of that.
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(saved);
    return rounded;
}

namespace {
template <typename Int> Int checkedRound(double value, const char* what) {
    const double rounded = roundHalfEven(value);
    if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<Int>::max()))) {
        throw Failure(QStringLiteral("Overflow: %1 does not fit a %2 integer")
                          .arg(value)
                          .arg(QLatin1String(what)));
    }
    return static_cast<Int>(rounded);
}
} // namespace

std::int16_t toInt16(double value) {
    return checkedRound<std::int16_t>(value, "16-bit");
}

std::int32_t toInt32(double value) {
    return checkedRound<std::int32_t>(value, "32-bit");
}

std::int32_t integerDivide(double dividend, double divisor) {
    const std::int32_t a = toInt32(dividend);
    const std::int32_t b = toInt32(divisor);
    if (b == 0) {
        throw Failure(QStringLiteral("Division by zero"));
    }
    return a / b; // C++ integer division truncates toward zero
}

} // namespace zilvaro
