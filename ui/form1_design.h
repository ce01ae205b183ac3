// The main window's design and rules, written once for both front ends (Qt on Linux, Win32 on
// Windows): every control's name, kind, place in twips, text and font; the resize rule; the
// amount box's edit rule; the case buttons; the status bar's texts.
#pragma once

#include "engine/case_styles.h"
#include "ui/twips.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qev::form1 {

inline constexpr std::u16string_view kTitle = u"QEV英文金额大写转换工具";
inline constexpr int kClientWidth = 8160;
inline constexpr int kClientHeight = 3270;

// The frame the design assumes around the client area: 60 twips left, right and bottom, 450 at
// the top with the title bar. A front end whose window system does not give the real frame works
// with this one.
inline constexpr int kAssumedFrameWidth = 120;
inline constexpr int kAssumedFrameHeight = 510;

// A smaller outer size is set back to this. The design's 3,000 twips let the currency list cover
// the amount box and its caption (the list keeps its width and follows the right edge): no narrower
// than to leave the amount box 900 twips, some eight digits, beside the list.
inline constexpr int kMinOuterWidth = 5565;
inline constexpr int kMinOuterHeight = 3780;

// "宋体" (SimSun) at 10.5 points, normal weight, character set GB2312.
inline constexpr std::u16string_view kSongFace = u"宋体";
inline constexpr double kSongFacePoints = 10.5;

enum class Kind { Label, PictureBox, Button, ResultBox, AmountBox, StatusBar, CurrencyList };

struct Control {
    std::string_view name;
    int index; // in a control array, else -1
    Kind kind;
    TwipsRect place; // in Picture1 for Label3, in the client area for the rest
    std::u16string_view text;
    bool songFace;  // else the window's default font
    bool underline; // Label3, the statement link
    int tabPosition;
};

// In the order the window is built: captions first, so that every other control lies above them
// where they overlap (Combo1 over Label1 in a very narrow window).
inline constexpr std::array<Control, 11> kControls = {{
    {"Label1", -1, Kind::Label, {120, 120, 420, 210}, u"输入", true, false, 0},
    {"Label2", -1, Kind::Label, {120, 540, 420, 210}, u"输出", true, false, 1},
    {"Picture1", -1, Kind::PictureBox, {0, 2280, 645, 600}, u"", false, false, 9},
    {"Label3", -1, Kind::Label, {120, 200, 420, 210}, u"声明", true, true, 10},
    {"Command1", 2, Kind::Button, {120, 1800, 495, 375}, u"abc", false, false, 8},
    {"Command1", 1, Kind::Button, {120, 1320, 495, 375}, u"Abc", false, false, 7},
    {"Command1", 0, Kind::Button, {120, 840, 495, 375}, u"ABC", false, false, 6},
    {"Text2", -1, Kind::ResultBox, {720, 540, 7335, 2295}, u"Text2\r\n", true, false, 5},
    {"Text1", -1, Kind::AmountBox, {720, 120, 3615, 330}, u"Text1", true, false, 4},
    {"StatusBar1", -1, Kind::StatusBar, {0, 2895, 8160, 375}, u"", false, false, 3},
    {"Combo1", -1, Kind::CurrencyList, {4440, 120, 3615, 330}, u"Combo1", true, false, 2},
}};

// The control of that name (and index, in a control array).
const Control& ControlNamed(std::string_view name, int index = -1);

// The status bar's one panel: the maker's credit line, 7,860 twips wide.
inline constexpr int kStatusPanelWidth = 7860;
std::u16string StatusPanelText();
// Copying the wording alone: the result box's menu entry (Ctrl+Shift+C) and the note that
// follows, the wording after it cut to the panel's width.
inline constexpr std::u16string_view kCopyWordingCaption = u"复制英文大写";
inline constexpr std::u16string_view kCopiedNote = u"已复制：";
// A copy the clipboard refused after it had taken it on.
inline constexpr std::u16string_view kNotCopied = u"无法复制：剪贴板不可用";
// The home page could not be handed to a browser.
inline constexpr std::u16string_view kHomePageNotOpened = u"无法打开主页：没有可用的浏览器";
// A text typed into the currency list's field that names no entry, before the text.
inline constexpr std::u16string_view kNoSuchCurrency = u"未找到此币种：";
// A choice of form or letter case that could not be kept for the next run.
inline constexpr std::u16string_view kSettingNotKept = u"无法保存所选格式，本次仍然有效";
// How long a note stands in the status bar before the panel's own text is back.
inline constexpr int kStatusNoteMilliseconds = 3000;

// The resize rule, on the window's outer size in twips once the minimum has been kept: the amount
// box's width, the currency list's left edge and the result box's size. A move that would give a
// box a negative size is left out, and the box keeps what it has.
struct Layout {
    std::optional<int> text1Width;
    int combo1Left = 0;
    std::optional<int> text2Width;
    std::optional<int> text2Height;
};
Layout LayOut(int outerWidth, int outerHeight);

// An edit of the amount box, as it stands after the user's key, paste or drop, with the caret:
// the text the box keeps and its caret, with a note for the status bar when the edit lost
// characters; or, for an edit whose clean text would pass 22 characters, refused with the note
// the status bar shows (the box goes back to how it was).
struct AmountEdit {
    std::u16string text;
    std::size_t caret = 0;
    std::u16string_view refusal; // empty when the edit is taken
    std::u16string removedNote;  // "已删除非金额字符：a、b", or empty
};
inline constexpr std::u16string_view kTypedTooLong = u"金额最多22个字符";
inline constexpr std::u16string_view kPastedTooLong = u"金额最多22个字符，未粘贴";
inline constexpr std::u16string_view kRemovedNote = u"已删除非金额字符：";
AmountEdit EditAmount(std::u16string_view text, std::size_t caret, bool typed);

// Why a paste (or a drop) is refused whole before it reaches the amount box, as one amount could
// never be read from it: digits on more than one line or in more than one cell (a column or a row
// copied from a spreadsheet), or a sign with them (a minus or plus, or parentheses around them,
// as accounts write a negative amount). Empty when it is not refused.
inline constexpr std::u16string_view kPastedSeveral = u"粘贴的内容含有多个数目，未粘贴";
inline constexpr std::u16string_view kPastedSigned = u"粘贴的金额带有正负号或括号，未粘贴";
std::u16string_view PasteRefusal(std::u16string_view pasted);

// The result box takes a paste or a drop only while it then holds at most this many characters: a
// wording with the clerk's own additions stays far shorter, and an edit control lays out a much
// longer paragraph so slowly that the window would stop answering.
inline constexpr std::size_t kResultBoxMaxLength = 10000;
inline constexpr std::u16string_view kResultPastedTooLong = u"输出框最多10000个字符，未粘贴";

// Whether a text is an amount and nothing else: digits, points and commas, in half or full width,
// with spaces at either end.
bool IsAmountText(std::u16string_view text);

// The style of the case button of that index; nothing for an index with no button.
std::optional<CaseStyle> CaseButtonStyle(int index);

} // namespace qev::form1
