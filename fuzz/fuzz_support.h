// What every fuzz target shares: turning the fuzzer's bytes into text, and failing a check loudly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// A failed check aborts, so libFuzzer keeps the input that broke it.
#define FUZZ_REQUIRE(condition)                                                                    \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace qev::fuzz {

// Bytes taken two at a time as little-endian UTF-16 code units, so lone and reversed surrogates
// come up as often as any other unit; an odd last byte is dropped.
inline std::u16string CodeUnits(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    text.reserve(size / 2);
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        text.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));
    }
    return text;
}

} // namespace qev::fuzz
