#pragma once

#include <cfloat>
#include <optional>

#include "failure.hpp"
#include "integer16.hpp"

// The arithmetic model of the calculations: every floating-point operation is carried out in
// double precision and rounded to double precision on its own; a value held in single precision
// is rounded to single precision at the step that forms it, and widens exactly wherever it meets
// a double. This code must be compiled without contraction into fused multiply-adds and without
// wider intermediates, or results change in the last bit, and with them the shown digits.
static_assert(FLT_EVAL_METHOD == 0, "build for a target without excess precision (SSE2, not x87)");
#ifdef __FAST_MATH__
#error "the calculations must not be built with fast-math"
#endif
//
// Floor is std::floor: toward negative infinity, exact, in the precision of its argument.

namespace kadenzo {

// The single-precision value nearest to `value` (ties to even).
// - FailureKind::Overflow: the magnitude of `value` exceeds the largest finite float.
Checked<float> narrowToSingle(double value);

// The floating-point status test after one step: FailureKind::Overflow when the step signalled an
// invalid operation, a division by zero or an overflow; nothing otherwise. The steps tested have
// finite operands, so they signalled one of these exactly when their result is not finite.
std::optional<FailureKind> statusTest(double stepResult);

// The distance in kilometres from whole kilometres and metres: metres / 1000 in double precision,
// plus km in double precision, the sum rounded to single precision. The quotient is deliberately
// not rounded to single precision first: that gives another value for about one pair in 130.
// Never fails.
float distanceValue(Integer16 km, Integer16 metres);

// (60 / divisor) x distance in double precision, in that order: both calculations divide the whole
// number 60 by a time or a speed and multiply the quotient by the distance; distance x 60 / divisor
// gives other last bits.
// - FailureKind::DivisionByZero: `divisor` is zero.
// - FailureKind::Overflow: the quotient or the product lies beyond the double range.
Checked<double> sixtyOverTimes(double divisor, float distance);

}  // namespace kadenzo
