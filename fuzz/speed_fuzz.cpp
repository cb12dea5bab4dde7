// The speed calculation on five texts (separated by newlines): its outcome depends on the texts
// alone, and its result texts have the forms the result fields are made for.
#include <algorithm>
#include <string_view>

#include "fuzz_input.hpp"
#include "speed.hpp"

using namespace kadenzo;

namespace {

bool isDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "0", "01" to "09" or "10" to "99".
bool isHundredthsText(std::string_view text) {
    if (text == "0") {
        return true;
    }
    return text.size() == 2 && isDigits(text) && text != "00";
}

// Plain digits with an optional leading '-', no leading zeros, no "-0".
bool isWholeText(std::string_view text) {
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
        if (text == "0") {
            return false;
        }
    }
    return isDigits(text) && (text == "0" || text.front() != '0');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto texts = fieldTexts<5>(data, size);
    const SpeedInput input{texts[0], texts[1], texts[2], texts[3], texts[4]};
    const auto outcome = calculateSpeed(input);
    FUZZ_CHECK(calculateSpeed(input) == outcome);

    if (const auto* result = std::get_if<SpeedResult>(&outcome)) {
        FUZZ_CHECK(isWholeText(result->whole));
        FUZZ_CHECK(isHundredthsText(result->hundredths));
    } else if (const auto* error = std::get_if<InputError>(&outcome)) {
        const bool knownPrompt =
            error->prompt == prompt::kilometres || error->prompt == prompt::metres ||
            error->prompt == prompt::clockTimeEmpty || error->prompt == prompt::minutesSecondsRange;
        FUZZ_CHECK(knownPrompt);
        // Only an empty field or a minutes or seconds field can be refused by a prompt.
        const bool emptyField =
            std::any_of(texts.begin(), texts.end(), [](std::string_view t) { return t.empty(); });
        FUZZ_CHECK(emptyField || error->prompt == prompt::minutesSecondsRange);
    } else {
        const auto& failure = std::get<Failure>(outcome);
        switch (failure.subject) {
            case Subject::Field:
                FUZZ_CHECK(failure.field && failure.kind != FailureKind::DivisionByZero);
                break;
            case Subject::ClockTime:
                FUZZ_CHECK(failure.kind == FailureKind::DivisionByZero
                               ? !failure.field
                               : failure.field == field::KlokTijdHr1);
                break;
            default:
                // With Integer16 inputs no quotient, product or narrowing leaves its range, and the
                // speed is no divisor here.
                FUZZ_CHECK(false);
        }
    }
    return 0;
}
