#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "failure.hpp"

// The speed calculation: the average speed in km/h at which a distance (whole kilometres plus
// metres) is covered in a clock time (hours, minutes, seconds).

namespace kadenzo {

// The prompts of the input-error message, each with a blank at both ends.
namespace prompt {
inline constexpr std::string_view kilometres = " Het aantal kilometers moet liggen tussen 0 en 99 ";
inline constexpr std::string_view metres = " Het aantal meters moet liggen tussen 0 en 999 ";
inline constexpr std::string_view clockTimeEmpty = " De Kloktijd velden mogen niet leeg blijven ";
inline constexpr std::string_view minutesSecondsRange =
    " Het aantal Minuten en Seconden moet liggen tussen 0 en 59 ";
}  // namespace prompt

// The texts of AfgelegdKM(0), AfgelegdMtr(0), KlokTijdHr(1), KlokTijdMin(2) and KlokTijdSec(3).
struct SpeedInput {
    std::string_view km;
    std::string_view metres;
    std::string_view hours;
    std::string_view minutes;
    std::string_view seconds;
};

// The texts for BerSnelheidVK(4) and BerSnelheidAK(1): the whole km/h ("12", "-67") and the
// hundredths as they stand after the decimal comma ("0", "01" to "09", "10" to "99").
struct SpeedResult {
    std::string whole;
    std::string hundredths;

    friend bool operator==(const SpeedResult&, const SpeedResult&) = default;
};

// Input the calculation refuses itself: shown to the user with one of the four prompts. `field`
// is the field to correct: the empty km or metre field, the first empty time field, or the
// minutes or seconds field above 59.
struct InputError {
    std::string_view prompt;
    ControlId field;

    friend bool operator==(const InputError&, const InputError&) = default;
};

using SpeedOutcome = std::variant<SpeedResult, InputError, Failure>;

// The speed for the five texts. Tests and steps, in this order:
// 1. km text empty: InputError with prompt::kilometres. Metre text empty: prompt::metres.
// 2. km, then metres, to Integer16: a Failure of Subject::Field naming AfgelegdKM(0) or
//    AfgelegdMtr(0) (ConversionFailure or Overflow). The distance value of both.
// 3. Any time text empty: prompt::clockTimeEmpty (before any of them is converted).
// 4. Hours, minutes, seconds to Integer16: Failure of Subject::Field as above.
// 5. Minutes > 59, else seconds > 59: prompt::minutesSecondsRange. Negative values pass.
// 6. hours x 60, then minutes + hour minutes, in Integer16: Overflow of Subject::ClockTime
//    (field KlokTijdHr(1)).
// 7. t = minutes + float(seconds / 100) / 0.6; t zero: DivisionByZero of Subject::ClockTime.
// 8. speed = float((60 / t) x distance); beyond range: Overflow of Subject::Result (cannot arise
//    from Integer16 inputs; neither can a fired status test, also Overflow of Subject::Result).
// 9. SpeedResult: floor(speed) and floor((speed - floor(speed)) x 100), hundredths 1 to 9 with a
//    leading "0". Floor rounds toward negative infinity, so -66.666664 gives "-67" and "33".
SpeedOutcome calculateSpeed(const SpeedInput& input);

}  // namespace kadenzo
