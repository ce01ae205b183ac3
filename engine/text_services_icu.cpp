#include "engine/text_services.h"

#include <unicode/uchar.h>
#include <unicode/ustring.h>
#include <unicode/utf8.h>

namespace qev {

bool AppendSystemCase(std::u16string& out, std::u16string_view text, LetterCase letterCase) {
    // The root locale (""), so the user's locale (Turkish dotted i, say) never changes a word.
    const auto map = letterCase == LetterCase::Upper ? u_strToUpper : u_strToLower;
    const auto length = static_cast<int32_t>(text.size());
    const std::size_t start = out.size();
    out.resize(start + text.size());
    UErrorCode status = U_ZERO_ERROR;
    int32_t needed = map(out.data() + start, length, text.data(), length, "", &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        out.resize(start + static_cast<std::size_t>(needed));
        status = U_ZERO_ERROR;
        needed = map(out.data() + start, needed, text.data(), length, "", &status);
    }
    out.resize(U_SUCCESS(status) ? start + static_cast<std::size_t>(needed) : start);
    return U_SUCCESS(status);
}

char32_t SystemCapitalOf(char32_t c) {
    return static_cast<char32_t>(u_toupper(static_cast<UChar32>(c)));
}

void AppendUtf8(std::string& out, std::u16string_view text) {
    const std::size_t start = out.size();
    out.resize(start + text.size() * 3);
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strToUTF8WithSub(out.data() + start, static_cast<int32_t>(text.size() * 3), &length,
                       text.data(), static_cast<int32_t>(text.size()), 0xfffd, nullptr, &status);
    out.resize(start + (U_SUCCESS(status) ? static_cast<std::size_t>(length) : 0));
}

Utf8Character FirstUtf8Character(std::string_view bytes) {
    std::size_t next = 0;
    UChar32 c = 0;
    U8_NEXT(bytes.data(), next, bytes.size(), c);
    return {next, c < 0 ? 0 : static_cast<char32_t>(c), c >= 0};
}

} // namespace qev
