// Text to Integer16 agrees with text to double, which reads the same spellings without a range.
#include <string_view>

#include "fuzz_input.hpp"
#include "text.hpp"

using namespace kadenzo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto integer = textToInteger16(text);
    const auto wide = textToDouble(text);

    if (const auto* value = std::get_if<Integer16>(&integer)) {
        FUZZ_CHECK(std::get<double>(wide) == *value);
        FUZZ_CHECK(textToInteger16(integer16ToText(*value)) == integer);
    } else if (std::get<FailureKind>(integer) == FailureKind::Overflow) {
        // A number outside -32768..32767, possibly beyond the doubles too.
        if (const auto* value = std::get_if<double>(&wide)) {
            FUZZ_CHECK(*value < -32768.0 || *value > 32767.0);
        } else {
            FUZZ_CHECK(std::get<FailureKind>(wide) == FailureKind::Overflow);
        }
    } else {
        FUZZ_CHECK(std::get<FailureKind>(integer) == FailureKind::ConversionFailure);
        FUZZ_CHECK(wide == Checked<double>{FailureKind::ConversionFailure});
    }
    return 0;
}
