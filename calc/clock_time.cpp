#include "clock_time.hpp"

#include <cmath>

#include "arithmetic.hpp"
#include "field_value.hpp"
#include "integer16.hpp"
#include "text.hpp"

namespace kadenzo {

using detail::readDouble;
using detail::readInteger16;
using detail::resultFailure;

namespace {

// The two-digit hundredths texts that are taken as written; other texts of 1 to 9 are tenths.
bool isTwoDigitHundredths(std::string_view text) {
    return text.size() == 2 && text[0] == '0' && text[1] >= '1' && text[1] <= '9';
}

// The seconds in the fraction of the minutes, by way of 0.6 and 100 in that order: a fraction of
// 0.75 gives 44.99999999999999 and so 44 seconds, not 45.
float secondsOf(double minutes) {
    double fraction = minutes - std::floor(minutes);
    // A negative time closer to zero than the doubles below 1 can resolve rounds its fraction up
    // to 1, which would show 60 seconds; the fraction is truly just below 1.
    if (fraction == 1.0) {
        fraction = std::nextafter(1.0, 0.0);
    }
    return static_cast<float>(std::floor(fraction * 0.6 * 100.0));
}

}  // namespace

ClockTimeOutcome calculateClockTime(const ClockTimeInput& input) {
    ClockTimeOutcome outcome;
    auto& result = outcome.result;

    const auto km = readInteger16(input.km, field::AfgelegdKM1);
    if (const auto* failure = std::get_if<Failure>(&km)) {
        result = *failure;
        return outcome;
    }
    const auto metres = readInteger16(input.metres, field::AfgelegdMtr1);
    if (const auto* failure = std::get_if<Failure>(&metres)) {
        result = *failure;
        return outcome;
    }
    const float distance = distanceValue(std::get<Integer16>(km), std::get<Integer16>(metres));
    if (const auto fired = statusTest(distance)) {
        result = resultFailure(*fired);
        return outcome;
    }

    const auto hundredthsRead = readInteger16(input.hundredths, field::SnelheidAK0);
    if (const auto* failure = std::get_if<Failure>(&hundredthsRead)) {
        result = *failure;
        return outcome;
    }
    Integer16 hundredths = std::get<Integer16>(hundredthsRead);
    if (!isTwoDigitHundredths(input.hundredths) && hundredths > 0 && hundredths < 10) {
        hundredths = std::get<Integer16>(multiply(hundredths, 10));  // 10 to 90: always fits
        outcome.rewrittenHundredths = integer16ToText(hundredths);
    }

    const auto wholeKmh = readDouble(input.wholeKmh, field::SnelheidVK0);
    if (const auto* failure = std::get_if<Failure>(&wholeKmh)) {
        result = *failure;
        return outcome;
    }
    const double fraction = hundredths / 100.0;
    const double speed = std::get<double>(wholeKmh) + fraction;
    for (const double step : {fraction, speed}) {
        if (const auto fired = statusTest(step)) {
            result = resultFailure(*fired);
            return outcome;
        }
    }

    const auto product = sixtyOverTimes(speed, distance);
    if (const auto* kind = std::get_if<FailureKind>(&product)) {
        result = *kind == FailureKind::DivisionByZero ? Failure{*kind, Subject::Speed, {}}
                                                      : resultFailure(*kind);
        return outcome;
    }
    const double minutes = std::get<double>(product);

    const double wholeMinutes = std::floor(minutes);
    const double hours = std::floor(wholeMinutes / 60.0);
    const double restMinutes = wholeMinutes - hours * 60.0;
    result = ClockTimeResult{wholeNumberToText(hours), wholeNumberToText(std::floor(restMinutes)),
                             wholeNumberToText(secondsOf(minutes))};
    return outcome;
}

}  // namespace kadenzo
