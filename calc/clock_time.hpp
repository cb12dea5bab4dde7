#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "failure.hpp"

// The clock-time calculation: the clock time in which a distance is covered at a speed given as
// whole km/h and hundredths.

namespace kadenzo {

// The texts of AfgelegdKM(1), AfgelegdMtr(1), SnelheidVK(0) and SnelheidAK(0).
struct ClockTimeInput {
    std::string_view km;
    std::string_view metres;
    std::string_view wholeKmh;
    std::string_view hundredths;
};

// The texts for BerKlokTijdHr(0), BerKlokTijdMin(0) and BerKlokTijdSec(0): whole numbers without
// leading zeros ("0", "5", "59"; "-1" for a negative time).
struct ClockTimeResult {
    std::string hours;
    std::string minutes;
    std::string seconds;

    friend bool operator==(const ClockTimeResult&, const ClockTimeResult&) = default;
};

struct ClockTimeOutcome {
    // The new text of SnelheidAK(0) under the hundredths rule, or none. It is written into the
    // field before the results, and also when `result` is a failure.
    std::optional<std::string> rewrittenHundredths;
    std::variant<ClockTimeResult, Failure> result;
};

// The clock time for the four texts. Steps, in this order:
// 1. km, then metres, to Integer16: a Failure of Subject::Field naming AfgelegdKM(1) or
//    AfgelegdMtr(1) (ConversionFailure or Overflow). The distance value of both.
// 2. The hundredths rule: the hundredths text to Integer16 (Failure naming SnelheidAK(0)). A value
//    1 to 9 whose text is not exactly one of "01" to "09" is read as tenths: times 10, and its
//    text ("10" to "90") becomes `rewrittenHundredths`. Nothing is trimmed before that comparison.
// 3. The whole-km/h text to double (Failure naming SnelheidVK(0)); any number of digits.
// 4. speed = whole km/h + hundredths / 100; zero: DivisionByZero of Subject::Speed.
// 5. minutes = (60 / speed) x distance; beyond the double range: Overflow of Subject::Result.
// 6. seconds = floor(fraction of minutes x 0.6 x 100), hours = floor(floor(minutes) / 60), rest
//    minutes = floor(minutes) - hours x 60, floor toward negative infinity throughout. Seconds and
//    rest minutes lie in 0..59 while the minutes are below 2^53 in magnitude.
ClockTimeOutcome calculateClockTime(const ClockTimeInput& input);

}  // namespace kadenzo
