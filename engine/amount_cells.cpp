#include "engine/amount_cells.h"

#include "engine/amount_input.h"

#include <algorithm>
#include <vector>

namespace qev {

namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\u00a0' || c == u'\u3000';
}

bool IsLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

constexpr std::u16string_view kSymbols = u"$¥€£￥￡";
constexpr std::u16string_view kSigns = u"-+()−";

// A cell's characters, half width, without the blanks at its ends.
std::u16string Trimmed(std::u16string_view cell) {
    std::u16string text;
    for (const char16_t c : cell) {
        text += HalfWidth(c);
    }
    const auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlank).base();
    return first < last ? std::u16string(first, last) : std::u16string();
}

std::u16string Capitals(std::u16string_view letters) {
    std::u16string capitals(letters);
    for (char16_t& c : capitals) {
        c = c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
    }
    return capitals;
}

} // namespace

CellsRow ReadCells(std::u16string_view row,
                   const std::function<bool(std::u16string_view)>& isCode) {
    CellsRow read;
    const auto refuse = [&read](std::u16string_view message) {
        read = {CellsRow::Kind::Refused, {}, {}, message};
        return read;
    };
    // The row's currency, named once or named alike.
    const auto name = [&read](const std::u16string& code) {
        if (!read.code.empty() && read.code != code) {
            return false;
        }
        read.code = code;
        return true;
    };
    std::u16string amount;
    bool filled = false;
    for (std::size_t start = 0; start <= row.size();) {
        const std::size_t tab = std::min(row.find(u'\t', start), row.size());
        const std::u16string cell = Trimmed(row.substr(start, tab - start));
        start = tab + 1;
        if (cell.empty()) {
            continue;
        }
        filled = true;
        if (std::none_of(cell.begin(), cell.end(), IsDigit)) {
            if (cell.size() != 3 || !std::all_of(cell.begin(), cell.end(), IsLetter)) {
                return refuse(kRowInvalidCharacter);
            }
            if (!isCode(Capitals(cell))) {
                return refuse(kRowUnknownCode);
            }
            if (!name(Capitals(cell))) {
                return refuse(kRowTwoCurrencies);
            }
        } else if (!amount.empty()) {
            return refuse(kRowTwoAmounts);
        } else {
            amount = cell;
        }
    }
    if (amount.empty()) {
        return filled ? refuse(kRowNoAmount) : read;
    }

    // What a formatted cell shows around the number: one symbol and the code, either side.
    std::u16string_view number = amount;
    bool symbol = false, coded = false;
    for (bool changed = true; changed;) {
        changed = false;
        for (const bool front : {true, false}) {
            const auto trim = [&] {
                while (!number.empty() && IsBlank(front ? number.front() : number.back())) {
                    front ? number.remove_prefix(1) : number.remove_suffix(1);
                }
            };
            trim();
            const char16_t end = number.empty() ? u'\0' : front ? number.front() : number.back();
            const std::u16string_view letters =
                number.size() > 3 ? (front ? number.substr(0, 3) : number.substr(number.size() - 3))
                                  : std::u16string_view();
            const char16_t beyond = letters.empty() ? u'\0'
                                    : front         ? number[3]
                                                    : number[number.size() - 4];
            if (!symbol && kSymbols.find(end) != std::u16string_view::npos) {
                symbol = changed = true;
                front ? number.remove_prefix(1) : number.remove_suffix(1);
            } else if (!coded && !letters.empty() &&
                       std::all_of(letters.begin(), letters.end(), IsLetter) && !IsLetter(beyond)) {
                if (!isCode(Capitals(letters))) {
                    return refuse(kRowUnknownCode);
                }
                if (!name(Capitals(letters))) {
                    return refuse(kRowTwoCurrencies);
                }
                coded = changed = true;
                front ? number.remove_prefix(3) : number.remove_suffix(3);
            }
            trim();
        }
    }
    if (std::any_of(number.begin(), number.end(),
                    [](char16_t c) { return kSigns.find(c) != std::u16string_view::npos; })) {
        return refuse(kRowSigned);
    }
    if (!std::all_of(number.begin(), number.end(), IsAmountCharacter)) {
        return refuse(kRowInvalidCharacter);
    }
    read.kind = CellsRow::Kind::Amount;
    read.amount = number;
    return read;
}

} // namespace qev
