#pragma once

#include <string_view>
#include <variant>

#include "failure.hpp"
#include "text.hpp"

// Helpers the two calculations share to read a field's number and to test a floating-point step.

namespace kadenzo::detail {

// A field's number, or the failure that names the field.
template <typename T>
using FieldValue = std::variant<T, Failure>;

template <typename T>
FieldValue<T> inField(const Checked<T>& converted, ControlId field) {
    if (const auto* kind = std::get_if<FailureKind>(&converted)) {
        return Failure{*kind, Subject::Field, field};
    }
    return std::get<T>(converted);
}

inline FieldValue<Integer16> readInteger16(std::string_view text, ControlId field) {
    return inField(textToInteger16(text), field);
}

inline FieldValue<double> readDouble(std::string_view text, ControlId field) {
    return inField(textToDouble(text), field);
}

inline Failure resultFailure(FailureKind kind) {
    return Failure{kind, Subject::Result, {}};
}

}  // namespace kadenzo::detail
