// The forms a wording can take, as letters of credit, invoices, cheques and vouchers ask for them:
// one value for each choice, the first of each the design's ("SAY US DOLLARS ONE HUNDRED AND
// THIRTY FOUR & FIFTY CENTS ONLY"), then the two the People's Bank leaves to the writer of a
// Chinese capital. The windows' menu, their saved settings and qev-words' options all name the
// values as kFormChoices does.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace qev {

enum class FormChoice : std::uint8_t {
    Subunit,
    Opening,
    Closing,
    Currency,
    Tens,
    Hundreds,
    Numbering,
    RmbPlaceZero,      // the Chinese capital's
    RmbZhengAfterJiao, // the Chinese capital's
};
inline constexpr std::size_t kFormChoiceCount = 9;
// The choices of the English wording come first; the rest are the Chinese capital's.
inline constexpr std::size_t kEnglishChoiceCount = 7;

// Each choice's name and its values' names, in FormChoice's order.
struct FormChoiceNames {
    std::string_view name;
    std::array<std::string_view, 5> values; // as many as are not empty
};
inline constexpr std::array<FormChoiceNames, kFormChoiceCount> kFormChoices = {{
    // & FIFTY CENTS, AND FIFTY CENTS, AND CENTS FIFTY, AND 50/100, AND POINT FIVE ZERO
    {"subunit", {"amp", "and", "and-cents", "slash", "point"}},
    {"opening", {"say", "say-total", "none"}},  // SAY, SAY TOTAL, none
    {"closing", {"always", "none", "whole"}},   // ONLY; none; ONLY after whole amounts alone
    {"currency", {"before", "after"}},          // the name before the words, or after the number
    {"tens", {"spaces", "hyphens"}},            // THIRTY FOUR, THIRTY-FOUR
    {"hundreds", {"and", "none"}},              // ONE HUNDRED AND ONE, ONE HUNDRED ONE
    {"numbering", {"international", "indian"}}, // THOUSAND, MILLION; THOUSAND, LAKH, CRORE
    // 零 for a zero at the 万 or 元 place before a non-zero 千 or 角; 整 after 角
    {"rmb-place-zero", {"write", "omit"}},
    {"rmb-zheng-after-jiao", {"write", "omit"}},
}};

// The value of each choice, by its place in kFormChoices; all zero is the design's form.
struct WordingForm {
    std::array<std::uint8_t, kFormChoiceCount> values{};

    std::size_t operator[](FormChoice choice) const {
        return values[static_cast<std::size_t>(choice)];
    }
    bool operator==(const WordingForm&) const = default;
    // The English wording as the design writes it, whatever the Chinese capital's choices.
    bool EnglishAsDesigned() const {
        for (std::size_t k = 0; k < kEnglishChoiceCount; ++k) {
            if (values[k] != 0) {
                return false;
            }
        }
        return true;
    }
};

// How many values a choice has.
constexpr std::size_t ValueCount(FormChoice choice) {
    const auto& values = kFormChoices[static_cast<std::size_t>(choice)].values;
    std::size_t count = 0;
    while (count < values.size() && !values[count].empty()) {
        ++count;
    }
    return count;
}

// The value of a choice that `name` names; nothing for a name the choice does not have.
constexpr std::optional<std::uint8_t> ValueNamed(FormChoice choice, std::string_view name) {
    for (std::size_t i = 0; i < ValueCount(choice); ++i) {
        if (kFormChoices[static_cast<std::size_t>(choice)].values[i] == name) {
            return static_cast<std::uint8_t>(i);
        }
    }
    return std::nullopt;
}

} // namespace qev
