// Text to double gives a whole, finite number that its own exact text gives back, the same as the
// C library's correctly rounded reading of the digits.
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_input.hpp"
#include "text.hpp"

using namespace kadenzo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto converted = textToDouble(text);
    const auto* value = std::get_if<double>(&converted);
    if (value == nullptr) {
        return 0;
    }
    FUZZ_CHECK(std::isfinite(*value));
    FUZZ_CHECK(std::floor(*value) == *value);
    FUZZ_CHECK(std::signbit(*value) == (text.find('-') != std::string_view::npos));

    const std::string digits = wholeNumberToText(*value);
    FUZZ_CHECK(textToDouble(digits) == converted);  // negative zero compares equal to zero

    // Only blanks, one sign and digits were accepted, which strtod reads the same way.
    const std::string copy(text);
    FUZZ_CHECK(std::strtod(copy.c_str(), nullptr) == *value);
    return 0;
}
