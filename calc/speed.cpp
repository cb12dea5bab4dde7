#include "speed.hpp"

#include <cmath>

#include "arithmetic.hpp"
#include "field_value.hpp"
#include "integer16.hpp"
#include "text.hpp"

namespace kadenzo {

using detail::readInteger16;
using detail::resultFailure;

namespace {

// Zero hundredths give "0"; 1 to 9 get a leading "0" so they read right after the comma.
std::string hundredthsText(float hundredths) {
    if (hundredths >= 10.0F || hundredths <= 0.0F) {
        return wholeNumberToText(hundredths);
    }
    return "0" + wholeNumberToText(hundredths);
}

Failure clockTimeOverflow() {
    return Failure{FailureKind::Overflow, Subject::ClockTime, field::KlokTijdHr1};
}

}  // namespace

SpeedOutcome calculateSpeed(const SpeedInput& input) {
    if (input.km.empty()) {
        return InputError{prompt::kilometres, field::AfgelegdKM0};
    }
    if (input.metres.empty()) {
        return InputError{prompt::metres, field::AfgelegdMtr0};
    }
    const auto km = readInteger16(input.km, field::AfgelegdKM0);
    if (const auto* failure = std::get_if<Failure>(&km)) {
        return *failure;
    }
    const auto metres = readInteger16(input.metres, field::AfgelegdMtr0);
    if (const auto* failure = std::get_if<Failure>(&metres)) {
        return *failure;
    }
    const float distance = distanceValue(std::get<Integer16>(km), std::get<Integer16>(metres));
    if (const auto fired = statusTest(distance)) {
        return resultFailure(*fired);
    }

    for (const auto& [text, id] :
         {std::pair{input.hours, field::KlokTijdHr1}, std::pair{input.minutes, field::KlokTijdMin2},
          std::pair{input.seconds, field::KlokTijdSec3}}) {
        if (text.empty()) {
            return InputError{prompt::clockTimeEmpty, id};
        }
    }
    const auto hours = readInteger16(input.hours, field::KlokTijdHr1);
    if (const auto* failure = std::get_if<Failure>(&hours)) {
        return *failure;
    }
    const auto minutes = readInteger16(input.minutes, field::KlokTijdMin2);
    if (const auto* failure = std::get_if<Failure>(&minutes)) {
        return *failure;
    }
    const auto seconds = readInteger16(input.seconds, field::KlokTijdSec3);
    if (const auto* failure = std::get_if<Failure>(&seconds)) {
        return *failure;
    }
    if (std::get<Integer16>(minutes) > 59) {
        return InputError{prompt::minutesSecondsRange, field::KlokTijdMin2};
    }
    if (std::get<Integer16>(seconds) > 59) {
        return InputError{prompt::minutesSecondsRange, field::KlokTijdSec3};
    }

    const auto hourMinutes = multiply(std::get<Integer16>(hours), 60);
    if (std::holds_alternative<FailureKind>(hourMinutes)) {
        return clockTimeOverflow();
    }
    const auto q = static_cast<float>(std::get<Integer16>(seconds) / 100.0);
    if (const auto fired = statusTest(q)) {
        return resultFailure(*fired);
    }
    const double r = q / 0.6;
    if (const auto fired = statusTest(r)) {
        return resultFailure(*fired);
    }
    const auto wholeMinutes = add(std::get<Integer16>(minutes), std::get<Integer16>(hourMinutes));
    if (std::holds_alternative<FailureKind>(wholeMinutes)) {
        return clockTimeOverflow();
    }
    const double t = std::get<Integer16>(wholeMinutes) + r;
    if (const auto fired = statusTest(t)) {
        return resultFailure(*fired);
    }

    const auto product = sixtyOverTimes(t, distance);
    if (const auto* kind = std::get_if<FailureKind>(&product)) {
        return *kind == FailureKind::DivisionByZero ? Failure{*kind, Subject::ClockTime, {}}
                                                    : resultFailure(*kind);
    }
    const auto narrowed = narrowToSingle(std::get<double>(product));
    if (const auto* kind = std::get_if<FailureKind>(&narrowed)) {
        return resultFailure(*kind);
    }

    const float speed = std::get<float>(narrowed);
    const float wholeSpeed = std::floor(speed);
    const double scaledFraction = (static_cast<double>(speed) - wholeSpeed) * 100.0;
    if (const auto fired = statusTest(scaledFraction)) {
        return resultFailure(*fired);
    }
    const auto hundredths = static_cast<float>(std::floor(scaledFraction));
    return SpeedResult{wholeNumberToText(wholeSpeed), hundredthsText(hundredths)};
}

}  // namespace kadenzo
