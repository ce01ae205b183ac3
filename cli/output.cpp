#include "cli/output.h"

#include "engine/text_services.h"

#include <cstdio>
#include <utility>

namespace qev {

namespace {

// A rejected amount is quoted in its message up to this many bytes.
constexpr std::size_t kQuoteLimit = 64;

// Characters that show as nothing, as a blank that is not a space, or that reorder the text
// around them: no-break and other spaces, zero-width and joining characters, bidirectional
// controls and the other format characters.
bool IsInvisible(char32_t c) {
    constexpr std::pair<char32_t, char32_t> kRanges[] = {
        {0x00a0, 0x00a0},   {0x00ad, 0x00ad},   {0x034f, 0x034f},   {0x061c, 0x061c},
        {0x115f, 0x1160},   {0x17b4, 0x17b5},   {0x180b, 0x180f},   {0x2000, 0x200f},
        {0x2028, 0x202f},   {0x205f, 0x206f},   {0x3000, 0x3000},   {0x3164, 0x3164},
        {0xfe00, 0xfe0f},   {0xfeff, 0xfeff},   {0xffa0, 0xffa0},   {0xfff0, 0xfffb},
        {0x1bca0, 0x1bca3}, {0x1d173, 0x1d17a}, {0xe0000, 0xe0fff},
    };
    return std::any_of(std::begin(kRanges), std::end(kRanges),
                       [c](const auto& range) { return c >= range.first && c <= range.second; });
}

} // namespace

void Outputs::Out(std::string_view bytes) {
    if (bytes.size() < kOutputBlock) {
        Written(std::copy(bytes.begin(), bytes.end(), Room(bytes.size())));
    } else {
        Flush();
        Send(bytes);
    }
}

void Outputs::Flush() {
    Send(std::string_view(buffer_.data(), used_));
    used_ = 0;
}

void Outputs::Err(const std::string& message) {
    Flush();
    std::string reason;
    if (!failed_ && !err_.Write(message, reason)) {
        failed_ = true;
    }
}

void Outputs::Send(std::string_view bytes) {
    std::string reason;
    if (!failed_ && !bytes.empty() && !out_.Write(bytes, reason)) {
        failed_ = true;
        std::string ignored; // standard error is all that is left to say it on
        err_.Write("qev-words: write error: " + reason + "\n", ignored);
    }
}

std::string Printable(std::string_view bytes) {
    std::string shown;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t start = i;
        const Utf8Character character = FirstUtf8Character(bytes.substr(i));
        const char32_t c = character.codePoint;
        i += character.length;
        if (!character.valid || c < 0x20 || c == 0x7f || (c >= 0x80 && c < 0xa0)) {
            // One control character, or the longest start of a character that is not UTF-8.
            for (std::size_t k = start; k < i; ++k) {
                char hex[5];
                std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(bytes[k]));
                shown += hex;
            }
        } else if (IsInvisible(c)) {
            char escape[16];
            std::snprintf(escape, sizeof escape, "\\u{%04X}", static_cast<unsigned>(c));
            shown += escape;
        } else {
            shown.append(bytes.substr(start, i - start));
        }
    }
    return shown;
}

std::string Quoted(std::string_view amount) {
    if (amount.size() <= kQuoteLimit) {
        return Printable(amount);
    }
    std::size_t cut = kQuoteLimit;
    while (cut > 0 && (static_cast<unsigned char>(amount[cut]) & 0xc0) == 0x80) {
        --cut;
    }
    return Printable(amount.substr(0, cut)) + "…";
}

void AppendUtf8InPieces(std::string& out, std::u16string_view text) {
    constexpr std::size_t kPiece = std::size_t{1} << 20;
    while (!text.empty()) {
        std::size_t size = std::min(text.size(), kPiece);
        if (size < text.size() && IsLeadSurrogate(text[size - 1])) {
            --size; // keep a surrogate pair together
        }
        AppendUtf8(out, text.substr(0, size));
        text.remove_prefix(size);
    }
}

} // namespace qev
