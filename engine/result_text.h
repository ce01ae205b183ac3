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

// How WordingOf reads a text of either kind.
namespace detail {

// A paragraph break, as some text boxes end their lines.
template <typename Char>
constexpr std::basic_string_view<Char> kParagraph;
template <>
inline constexpr std::u16string_view kParagraph<char16_t> = u"\u2029";
template <>
inline constexpr std::string_view kParagraph<char> = "\u2029";

template <typename Char>
std::optional<std::basic_string_view<Char>> Wording(std::basic_string_view<Char> text) {
    using Frame = ResultFrame<Char>;
    // Where the line starting at `from` ends, and where the next one starts.
    const auto lineEnd = [&](std::size_t from) {
        const std::size_t feed = text.find(Char('\n'), from);
        const std::size_t paragraph = text.find(kParagraph<Char>, from);
        const std::size_t end = std::min(feed, paragraph);
        if (end == std::basic_string_view<Char>::npos) {
            return std::pair{text.size(), text.size()};
        }
        const std::size_t next = end + (end == feed ? 1 : kParagraph<Char>.size());
        return std::pair{end > from && end == feed && text[end - 1] == Char('\r') ? end - 1 : end,
                         next};
    };
    const auto [firstEnd, second] = lineEnd(0);
    if (second == firstEnd && second == text.size()) {
        return std::nullopt; // one line only
    }
    const std::basic_string_view<Char> line = text.substr(second, lineEnd(second).first - second);
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
// such line or it carries an error message ("无法转换：…") instead of words. Lines end with LF,
// CR LF or U+2029 (a paragraph break, as some text boxes hold them). In UTF-16 for the windows,
// in UTF-8 for streams.
inline std::optional<std::u16string_view> WordingOf(std::u16string_view text) {
    return detail::Wording(text);
}

inline std::optional<std::string_view> WordingOf(std::string_view text) {
    return detail::Wording(text);
}

} // namespace qev
