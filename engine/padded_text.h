// An engine internal, apart from the API in amount_words.h: how a PreparedCurrency keeps the
// currency's texts it copies into each Result text. Included there only for the class's members.
#pragma once

#include <cstddef>
#include <string>

namespace qev {

// A text kept with room after it, so that a short one is copied by one move of a fixed size. The
// move copies the room too, on purpose: it writes past the text's end, and whatever is written
// next goes over what it left there.
template <typename Char>
struct PaddedText {
    PaddedText() : PaddedText(std::basic_string<Char>()) {}
    explicit PaddedText(std::basic_string<Char> text);
    std::basic_string<Char> padded; // the text, then the room
    std::size_t size = 0;
};

} // namespace qev
