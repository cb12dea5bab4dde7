// The clock-time calculation on four texts (separated by newlines): its outcome depends on the
// texts alone, a second run on the rewritten hundredths rewrites nothing and gives the same
// results, and the results are the whole hours, rest minutes and seconds of the minutes.
#include <cmath>
#include <string>
#include <string_view>

#include "arithmetic.hpp"
#include "clock_time.hpp"
#include "fuzz_input.hpp"
#include "text.hpp"

using namespace kadenzo;

namespace {

double number(std::string_view text) {
    const auto converted = textToDouble(text);
    FUZZ_CHECK(std::holds_alternative<double>(converted));
    return std::get<double>(converted);
}

// The clock time in minutes, from the inputs as the calculation read them.
double minutesOf(const ClockTimeInput& input, std::string_view hundredthsUsed) {
    const float distance = distanceValue(std::get<Integer16>(textToInteger16(input.km)),
                                         std::get<Integer16>(textToInteger16(input.metres)));
    const double speed =
        number(input.wholeKmh) + std::get<Integer16>(textToInteger16(hundredthsUsed)) / 100.0;
    return 60.0 / speed * distance;
}

void checkResult(const ClockTimeResult& result, double minutes) {
    constexpr double exactIntegers = 9007199254740992.0;  // 2^53
    const double wholeMinutes = std::floor(minutes);
    if (std::fabs(wholeMinutes) >= exactIntegers) {
        return;
    }
    const double hours = number(result.hours);
    const double rest = number(result.minutes);
    const double seconds = number(result.seconds);
    FUZZ_CHECK(rest >= 0.0 && rest <= 59.0);
    FUZZ_CHECK(seconds >= 0.0 && seconds <= 59.0);
    FUZZ_CHECK(hours * 60.0 + rest == wholeMinutes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto texts = fieldTexts<4>(data, size);
    const ClockTimeInput input{texts[0], texts[1], texts[2], texts[3]};
    const auto outcome = calculateClockTime(input);
    const auto again = calculateClockTime(input);
    FUZZ_CHECK(again.rewrittenHundredths == outcome.rewrittenHundredths);
    FUZZ_CHECK(again.result == outcome.result);

    const std::string hundredthsUsed =
        outcome.rewrittenHundredths ? *outcome.rewrittenHundredths : std::string(texts[3]);
    if (outcome.rewrittenHundredths) {
        const ClockTimeInput rewritten{texts[0], texts[1], texts[2], hundredthsUsed};
        const auto second = calculateClockTime(rewritten);
        FUZZ_CHECK(!second.rewrittenHundredths);
        FUZZ_CHECK(second.result == outcome.result);
    }

    if (const auto* result = std::get_if<ClockTimeResult>(&outcome.result)) {
        checkResult(*result, minutesOf(input, hundredthsUsed));
    } else {
        // Whole-number speeds and hundredths never give a quotient beyond the doubles.
        FUZZ_CHECK(std::get<Failure>(outcome.result).subject != Subject::Result);
        FUZZ_CHECK(std::get<Failure>(outcome.result).subject != Subject::ClockTime);
    }
    return 0;
}
