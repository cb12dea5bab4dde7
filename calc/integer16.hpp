#pragma once

#include <cstdint>

#include "failure.hpp"

namespace kadenzo {

// A signed 16-bit whole number, -32768 to 32767.
using Integer16 = std::int16_t;

// Integer16 arithmetic: a result outside -32768..32767 is FailureKind::Overflow, never a wrapped
// value. Neither fails otherwise.
constexpr Checked<Integer16> multiply(Integer16 a, Integer16 b);
constexpr Checked<Integer16> add(Integer16 a, Integer16 b);

namespace detail {
constexpr Checked<Integer16> fitInteger16(std::int32_t exact) {
    if (exact < INT16_MIN || exact > INT16_MAX) {
        return FailureKind::Overflow;
    }
    return static_cast<Integer16>(exact);
}
}  // namespace detail

constexpr Checked<Integer16> multiply(Integer16 a, Integer16 b) {
    return detail::fitInteger16(std::int32_t{a} * std::int32_t{b});
}

constexpr Checked<Integer16> add(Integer16 a, Integer16 b) {
    return detail::fitInteger16(std::int32_t{a} + std::int32_t{b});
}

}  // namespace kadenzo
