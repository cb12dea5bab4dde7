#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Splits a fuzzer's bytes into field texts at newlines, which a single-line field never holds.
// Missing fields are empty; the last field takes the rest, newlines included.
template <std::size_t N>
std::array<std::string_view, N> fieldTexts(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::array<std::string_view, N> texts{};
    for (std::size_t i = 0; i + 1 < N; ++i) {
        const auto end = rest.find('\n');
        texts[i] = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    texts[N - 1] = rest;
    return texts;
}

// A failed invariant: abort so the fuzzer keeps the input.
#define FUZZ_CHECK(condition) \
    do {                      \
        if (!(condition)) {   \
            __builtin_trap(); \
        }                     \
    } while (false)
