#pragma once

#include <string>
#include <string_view>

#include "failure.hpp"
#include "integer16.hpp"

// Conversions between field texts and numbers.
//
// A number is written as: optional spaces, at most one '+' or '-', one or more ASCII digits '0' to
// '9', optional spaces. Nothing else is a number: no fraction, decimal separator, exponent, digit
// grouping or other digits. Leading zeros are allowed ("007" is 7).

namespace kadenzo {

// The Integer16 that `text` spells.
// - FailureKind::ConversionFailure: `text` is empty or not a number as above (" ", "abc", "1.5").
// - FailureKind::Overflow: a number outside -32768..32767 ("32768", "-32769", a thousand digits).
Checked<Integer16> textToInteger16(std::string_view text);

// The double nearest to the whole number that `text` spells (ties to even), for any number of
// digits; time is linear in the length of `text`.
// - FailureKind::ConversionFailure: `text` is empty or not a number as above.
// - FailureKind::Overflow: the number lies beyond the double range (magnitude above the largest
//   finite double once rounded).
Checked<double> textToDouble(std::string_view text);

// The decimal digits of `value` without leading zeros, blanks or separators, with a leading '-'
// when negative: 50 gives "50", -7 gives "-7". Never fails.
std::string integer16ToText(Integer16 value);

// The exact decimal digits of a whole-valued `value` of any magnitude, with a leading '-' when
// negative and nothing else: 0 gives "0", -67 gives "-67", 1e20 gives "100000000000000000000".
// Negative zero gives "0". A single-precision value widens exactly. Never fails.
std::string wholeNumberToText(double value);

}  // namespace kadenzo
