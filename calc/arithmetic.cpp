#include "arithmetic.hpp"

#include <cmath>
#include <limits>

namespace kadenzo {

Checked<float> narrowToSingle(double value) {
    // Tested before the cast: converting an out-of-range value is undefined behaviour.
    if (std::fabs(value) > std::numeric_limits<float>::max()) {
        return FailureKind::Overflow;
    }
    return static_cast<float>(value);
}

std::optional<FailureKind> statusTest(double stepResult) {
    if (std::isfinite(stepResult)) {
        return std::nullopt;
    }
    return FailureKind::Overflow;
}

float distanceValue(Integer16 km, Integer16 metres) {
    const double quotient = static_cast<double>(metres) / 1000.0;
    return static_cast<float>(static_cast<double>(km) + quotient);
}

Checked<double> sixtyOverTimes(double divisor, float distance) {
    if (divisor == 0.0) {
        return FailureKind::DivisionByZero;
    }
    const double quotient = 60.0 / divisor;
    const double product = quotient * distance;
    if (!std::isfinite(quotient) || !std::isfinite(product)) {
        return FailureKind::Overflow;
    }
    return product;
}

}  // namespace kadenzo
