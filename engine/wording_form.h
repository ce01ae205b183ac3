// The forms a wording can take, as letters of credit, invoices and cheques ask for them: one value
// for each choice, the first of each the design's ("SAY US DOLLARS ONE HUNDRED AND THIRTY FOUR &
// FIFTY CENTS ONLY"). The windows' menu, their saved settings and qev-words' options all name
// the values as kFormChoices does.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace qev {

enum class FormChoice : std::uint8_t { Subunit, Opening, Closing, Currency, Tens, Hundreds };
inline constexpr std::size_t kFormChoiceCount = 6;

// Each choice's name and its values' names, in FormChoice's order.
struct FormChoiceNames {
    std::string_view name;
    std::array<std::string_view, 4> values; // as many as are not empty
};
inline constexpr std::array<FormChoiceNames, kFormChoiceCount> kFormChoices = {{
    {"subunit", {"amp", "and", "and-cents", "slash"}}, // & FIFTY CENTS, AND FIFTY CENTS,
                                                       // AND CENTS FIFTY, AND 50/100
    {"opening", {"say", "say-total", "none"}},         // SAY, SAY TOTAL, none
    {"closing", {"only", "none"}},                     // ONLY, none
    {"currency", {"before", "after"}},                 // the name before the words, or after
                                                       // the whole units
    {"tens", {"spaces", "hyphens"}},                   // THIRTY FOUR, THIRTY-FOUR
    {"hundreds", {"and", "none"}},                     // ONE HUNDRED AND ONE, ONE HUNDRED ONE
}};

// The value of each choice, by its place in kFormChoices; all zero is the design's form.
struct WordingForm {
    std::array<std::uint8_t, kFormChoiceCount> values{};

    std::size_t operator[](FormChoice choice) const {
        return values[static_cast<std::size_t>(choice)];
    }
    bool operator==(const WordingForm&) const = default;
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
