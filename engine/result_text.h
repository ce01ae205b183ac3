// The text around the words of a Result text ("输入： USD1,234.50" / "输出： SAY US DOLLARS ...
// ONLY"): its labels, line break and messages, and the wording read back out of a whole text.
#pragma once

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

namespace qev {

// The frame of every Result text, kept here alone: the echo line's label, the wording line's label,
// and the words that open each message standing in place of the words ("无法转换：…"). In UTF-16
// for the windows and in UTF-8 for streams.
template <typename Char>
struct ResultFrame;

template <>
struct ResultFrame<char16_t> {
    static constexpr std::u16string_view kEchoLabel = u"输入： ";
    static constexpr std::u16string_view kWordingLabel = u"输出： ";
    static constexpr std::u16string_view kNotConverted = u"无法转换";
};

template <>
struct ResultFrame<char> {
    static constexpr std::string_view kEchoLabel = "输入： ";
    static constexpr std::string_view kWordingLabel = "输出： ";
    static constexpr std::string_view kNotConverted = "无法转换";
};

// The line break of a Result text in the windows' result box.
inline constexpr std::u16string_view kResultLineBreak = u"\r\n";

// The messages of a Result text that carries no words.
inline constexpr std::u16string_view kTooManyPointsMessage = u"无法转换：小数点多于一个";
inline constexpr std::u16string_view kIntegerTooLongMessage = u"无法转换：整数部分超过15位";
inline constexpr std::u16string_view kFractionTooLongMessage = u"无法转换：小数部分超过两位";
inline constexpr std::u16string_view kThousandthsTooLongMessage = u"无法转换：小数部分超过三位";
inline constexpr std::u16string_view kInvalidCharacterMessage = u"无法转换：含有无效字符";
inline constexpr std::u16string_view kMisplacedCommaMessage = u"无法转换：逗号位置不对";

// How WordingOf reads a text of either kind.
namespace detail {

template <typename Char>
std::optional<std::basic_string_view<Char>> Wording(std::basic_string_view<Char> text) {
    using Frame = ResultFrame<Char>;
    // The second line, without the CR of a CR LF that ends it.
    const std::size_t second = text.find(Char('\n'));
    if (second == std::basic_string_view<Char>::npos) {
        return std::nullopt; // one line only
    }
    std::basic_string_view<Char> line = text.substr(second + 1);
    line = line.substr(0, line.find(Char('\n')));
    if (line.ends_with(Char('\r'))) {
        line.remove_suffix(1);
    }
    if (!line.starts_with(Frame::kWordingLabel)) {
        return std::nullopt;
    }
    const std::basic_string_view<Char> wording = line.substr(Frame::kWordingLabel.size());
    if (wording.empty() || wording.starts_with(Frame::kNotConverted)) {
        return std::nullopt;
    }
    return wording;
}

} // namespace detail

// The wording in a result box's text: its second line after the label "输出： ", exactly as it
// stands there, in whatever letter style, with the clerk's own edits; nothing when there is no
// such line or it carries an error message ("无法转换：…") instead of words. Lines end with LF or
// CR LF. In UTF-16 for the windows, in UTF-8 for streams.
inline std::optional<std::u16string_view> WordingOf(std::u16string_view text) {
    return detail::Wording(text);
}

inline std::optional<std::string_view> WordingOf(std::string_view text) {
    return detail::Wording(text);
}

} // namespace qev
