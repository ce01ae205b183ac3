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
        cleaned.text.insert(cleaned.text.begin(), u'0');
        if (cleaned.caret > 0) {
            ++cleaned.caret;
        }
    }
    return cleaned;
}

} // namespace qev
