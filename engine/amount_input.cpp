#include "engine/amount_input.h"

#include "engine/text_services.h"

namespace qev {

CleanedAmount CleanAmountInput(std::u16string_view text, std::size_t caret) {
    CleanedAmount cleaned;
    cleaned.text.reserve(text.size() + 1);
    std::size_t shown = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i <= caret) { // a caret inside a surrogate pair stands before it
            cleaned.caret = cleaned.text.size();
        }
        if (const char16_t half = HalfWidth(text[i]); IsAmountCharacter(half)) {
            cleaned.text.push_back(half);
            continue;
        }
        // A surrogate pair is one character.
        const std::size_t length = FirstUtf16Character(text.substr(i)).length;
        const std::u16string_view character = text.substr(i, length);
        if (cleaned.removed.find(character) == std::u16string::npos) {
            if (shown < kRemovedShown) {
                cleaned.removed.append(character);
                ++shown;
            } else {
                cleaned.moreRemoved = true;
            }
        }
        i += length - 1;
    }
    if (caret >= text.size()) {
        cleaned.caret = cleaned.text.size();
    }
    if (!cleaned.text.empty() && cleaned.text.front() == u'.') {
        // The caret stands after the "0": a digit typed next goes before the point, not before
        // the "0", which would turn ".5" into "20.5" instead of "2.5".
        cleaned.text.insert(cleaned.text.begin(), u'0');
        ++cleaned.caret;
    }
    return cleaned;
}

} // namespace qev
