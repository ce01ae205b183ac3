#include "engine/amount_input.h"

namespace qev {

CleanedAmount CleanAmountInput(std::u16string_view text, std::size_t caret) {
    CleanedAmount cleaned;
    cleaned.text.reserve(text.size() + 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == caret) {
            cleaned.caret = cleaned.text.size();
        }
        if (IsAmountCharacter(text[i])) {
            cleaned.text.push_back(text[i]);
        }
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
