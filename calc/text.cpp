#include "text.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace kadenzo {
namespace {

// A number text split into its sign and its digits, leading zeros dropped ("-007" gives
// negative, "7"; "000" gives "").
struct NumberText {
    bool negative = false;
    std::string_view digits;
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<NumberText> parseNumberText(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);

    NumberText number;
    if (text.front() == '+' || text.front() == '-') {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    for (const char c : text) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
    }
    number.digits = text.substr(std::min(text.find_first_not_of('0'), text.size()));
    return number;
}

}  // namespace

Checked<Integer16> textToInteger16(std::string_view text) {
    const auto number = parseNumberText(text);
    if (!number) {
        return FailureKind::ConversionFailure;
    }
    // Five significant digits reach 99999; more can only be out of range.
    if (number->digits.size() > 5) {
        return FailureKind::Overflow;
    }
    std::int32_t magnitude = 0;
    for (const char c : number->digits) {
        magnitude = magnitude * 10 + (c - '0');
    }
    return detail::fitInteger16(number->negative ? -magnitude : magnitude);
}

Checked<double> textToDouble(std::string_view text) {
    const auto number = parseNumberText(text);
    if (!number) {
        return FailureKind::ConversionFailure;
    }
    // The largest finite double has 309 digits; a longer number is beyond it. This also bounds
    // the work from_chars does on a text of any length.
    constexpr std::size_t maxDigits = std::numeric_limits<double>::max_exponent10 + 1;
    if (number->digits.size() > maxDigits) {
        return FailureKind::Overflow;
    }
    double magnitude = 0.0;
    if (!number->digits.empty()) {
        const auto* end = number->digits.data() + number->digits.size();
        const auto [ptr, ec] = std::from_chars(number->digits.data(), end, magnitude);
        if (ec == std::errc::result_out_of_range) {
            return FailureKind::Overflow;
        }
        if (ec != std::errc{} || ptr != end) {
            return FailureKind::ConversionFailure;
        }
    }
    return number->negative ? -magnitude : magnitude;
}

std::string integer16ToText(Integer16 value) {
    std::array<char, 8> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

std::string wholeNumberToText(double value) {
    if (value == 0.0) {
        return "0";  // also for negative zero
    }
    // Below 2^53 every whole double is an int64 exactly, and integer printing is quicker.
    constexpr double exactIntegers = 9007199254740992.0;
    if (std::fabs(value) < exactIntegers) {
        std::array<char, 24> buffer{};
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                          static_cast<std::int64_t>(value));
        return {buffer.data(), result.ptr};
    }
    // Fixed notation with no fraction digits prints the exact value, up to 309 digits.
    std::array<char, 320> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 0);
    return {buffer.data(), result.ptr};
}

}  // namespace kadenzo
