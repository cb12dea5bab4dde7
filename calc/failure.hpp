#pragma once

#include <optional>
#include <string_view>
#include <variant>

namespace kadenzo {

// A control of the window, addressed by name and array index as the window addresses it:
// AfgelegdKM(0) is {"AfgelegdKM", 0}.
struct ControlId {
    std::string_view name;
    int index = 0;

    friend constexpr bool operator==(const ControlId&, const ControlId&) = default;
};

// The input fields that the two calculations read.
namespace field {
inline constexpr ControlId AfgelegdKM0{"AfgelegdKM", 0};
inline constexpr ControlId AfgelegdMtr0{"AfgelegdMtr", 0};
inline constexpr ControlId KlokTijdHr1{"KlokTijdHr", 1};
inline constexpr ControlId KlokTijdMin2{"KlokTijdMin", 2};
inline constexpr ControlId KlokTijdSec3{"KlokTijdSec", 3};
inline constexpr ControlId AfgelegdKM1{"AfgelegdKM", 1};
inline constexpr ControlId AfgelegdMtr1{"AfgelegdMtr", 1};
inline constexpr ControlId SnelheidVK0{"SnelheidVK", 0};
inline constexpr ControlId SnelheidAK0{"SnelheidAK", 0};
}  // namespace field

// The three ways a step of a calculation can fail. A failure ends the calculation at that step.
enum class FailureKind {
    ConversionFailure,  // a text that is empty or not a number
    Overflow,           // a value outside the range of the type that must hold it
    DivisionByZero,     // a division whose divisor is zero
};

// What the failing value stood for, so that the window can say it in the user's terms.
enum class Subject {
    Field,      // the text or value of one input field (`Failure::field`)
    ClockTime,  // the clock time of the speed calculation: hours x 60, minutes + hour minutes, zero
    Speed,      // the speed of the clock-time calculation: zero
    Result,     // a value formed from the inputs: a quotient, product or narrowing beyond range
};

struct Failure {
    FailureKind kind;
    Subject subject;
    // The input field the user should correct, where one field is at fault. For a clock time too
    // large this is the hours field; for a division by zero there is none.
    std::optional<ControlId> field;

    friend constexpr bool operator==(const Failure&, const Failure&) = default;
};

// A value, or the kind of failure that kept it from being formed. The caller knows which field
// the value came from and turns the kind into a `Failure`.
template <typename T>
using Checked = std::variant<T, FailureKind>;

}  // namespace kadenzo
