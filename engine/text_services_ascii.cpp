#include "engine/text_services.h"

namespace qev {

namespace {

constexpr char32_t Recased(char32_t c, LetterCase letterCase) {
    const char32_t first = letterCase == LetterCase::Upper ? U'a' : U'A';
    return c >= first && c <= first + 25 ? c ^ 0x20 : c;
}

} // namespace

bool AppendSystemCase(std::u16string& out, std::u16string_view text, LetterCase letterCase) {
    // Only ASCII letters have a case here: anything else is appended as it is.
    for (const char16_t c : text) {
        out.push_back(static_cast<char16_t>(Recased(c, letterCase)));
    }
    return true;
}

char32_t SystemCapitalOf(char32_t c) {
    return Recased(c, LetterCase::Upper);
}

void AppendUtf8(std::string& out, std::u16string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const Utf16Character character = FirstUtf16Character(text.substr(i));
        i += character.length;
        char32_t c = character.codePoint;
        if ((c & 0xfffff800) == 0xd800) {
            c = 0xfffd; // an unpaired surrogate
        }
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xc0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3f)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xe0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3f)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3f)));
        } else {
            out.push_back(static_cast<char>(0xf0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3f)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3f)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3f)));
        }
    }
}

Utf8Character FirstUtf8Character(std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return {1, lead, true};
    }
    // The length a lead byte announces, and the range its second byte must fall in (no overlong
    // forms, no surrogates, nothing past U+10FFFF).
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : 0x80;
        high = lead == 0xed ? 0x9f : 0xbf;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : 0x80;
        high = lead == 0xf4 ? 0x8f : 0xbf;
    } else {
        return {1, 0, false};
    }
    char32_t c = lead & (0xff >> (length + 1));
    for (std::size_t i = 1; i < length; ++i) {
        // The longest start of a character, when the bytes break off.
        if (i >= bytes.size() || byte(i) < low || byte(i) > high) {
            return {i, 0, false};
        }
        c = (c << 6) | (byte(i) & 0x3f);
        low = 0x80, high = 0xbf;
    }
    return {length, c, true};
}

} // namespace qev
