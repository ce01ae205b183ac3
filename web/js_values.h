// What the page's glue hands between C++ and the page's script: texts, selections and colours
// as JavaScript values, and the objects of the page's script that carry out a view's calls.
#pragma once

#include "ui/amount_history.h"
#include "ui/link_look.h"

#include <emscripten/val.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qev::web {

using emscripten::val;

inline val Js(std::u16string_view text) {
    return val(std::u16string(text));
}

inline val Js(const std::vector<std::u16string>& texts) {
    val array = val::array();
    for (const std::u16string& text : texts) {
        array.call<void>("push", text);
    }
    return array;
}

// A string of the script, or nothing for null and undefined.
inline std::optional<std::u16string> TextOf(const val& value) {
    if (value.isNull() || value.isUndefined()) {
        return std::nullopt;
    }
    return value.as<std::u16string>();
}

// A selection as the script gives it: [anchor, caret].
inline form1::Selection SelectionOf(const val& pair) {
    return {pair[0].as<std::size_t>(), pair[1].as<std::size_t>()};
}

// A design colour, 0x00BBGGRR or a system colour, as CSS writes it; the only system colour in the
// designs is the button text's.
inline std::string CssColour(std::uint32_t colour) {
    if (colour & kSystemColour) {
        return "ButtonText";
    }
    constexpr char kHex[] = "0123456789abcdef";
    std::string css = "#";
    for (const int shift : {0, 8, 16}) { // red, green, blue
        css += kHex[(colour >> (shift + 4)) & 0xf];
        css += kHex[(colour >> shift) & 0xf];
    }
    return css;
}

} // namespace qev::web
