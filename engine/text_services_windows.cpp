#include "engine/text_services.h"

#include <windows.h>

namespace qev {

namespace {

// The invariant locale, so the user's locale (Turkish dotted i, say) never changes a word.
int MapInvariant(DWORD flags, const char16_t* text, int length, char16_t* out, int outLength) {
    return LCMapStringEx(LOCALE_NAME_INVARIANT, flags | LCMAP_LINGUISTIC_CASING,
                         reinterpret_cast<LPCWSTR>(text), length, reinterpret_cast<LPWSTR>(out),
                         outLength, nullptr, nullptr, 0);
}

} // namespace

bool AppendSystemCase(std::u16string& out, std::u16string_view text, LetterCase letterCase) {
    if (text.empty()) {
        return true;
    }
    const DWORD flags = letterCase == LetterCase::Upper ? LCMAP_UPPERCASE : LCMAP_LOWERCASE;
    const auto length = static_cast<int>(text.size());
    const int needed = MapInvariant(flags, text.data(), length, nullptr, 0);
    if (needed <= 0) {
        return false;
    }
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(needed));
    const int written = MapInvariant(flags, text.data(), length, out.data() + start, needed);
    out.resize(start + static_cast<std::size_t>(written > 0 ? written : 0));
    return written > 0;
}

char32_t SystemCapitalOf(char32_t c) {
    const Utf16Character character = Utf16CharacterOf(c);
    const auto count = static_cast<int>(character.length);
    char16_t upper[2];
    // Only a capital of the same length counts: one code point for one.
    if (MapInvariant(LCMAP_UPPERCASE, character.units, count, upper, count) != count) {
        return c;
    }
    return FirstUtf16Character({upper, character.length}).codePoint;
}

void AppendUtf8(std::string& out, std::u16string_view text) {
    if (text.empty()) {
        return;
    }
    // Without WC_ERR_INVALID_CHARS, an unpaired surrogate becomes U+FFFD.
    const auto source = reinterpret_cast<LPCWCH>(text.data());
    const auto length = static_cast<int>(text.size());
    const int needed =
        WideCharToMultiByte(CP_UTF8, 0, source, length, nullptr, 0, nullptr, nullptr);
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(needed));
    WideCharToMultiByte(CP_UTF8, 0, source, length, out.data() + start, needed, nullptr, nullptr);
}

Utf8Character FirstUtf8Character(std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80) {
        return {1, lead, true};
    }
    const std::size_t full = lead >= 0xc2 && lead <= 0xdf   ? 2
                             : lead >= 0xe0 && lead <= 0xef ? 3
                             : lead >= 0xf0 && lead <= 0xf4 ? 4
                                                            : 1;
    // The longest start of a character: the bytes there, completed with continuation bytes, make
    // a character that the system accepts.
    for (std::size_t length = std::min(full, bytes.size()); length >= 2; --length) {
        std::string candidate(bytes.substr(0, length));
        candidate.append(full - length, '\x80');
        wchar_t units[2];
        const int count = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, candidate.data(),
                                              static_cast<int>(full), units, 2);
        if (count > 0) {
            if (length < full) {
                return {length, 0, false};
            }
            const auto text = reinterpret_cast<const char16_t*>(units);
            return {length, FirstUtf16Character({text, static_cast<std::size_t>(count)}).codePoint,
                    true};
        }
    }
    return {1, 0, false};
}

} // namespace qev
