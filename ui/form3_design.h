// The batch window's design, written once for every skin: a column of amounts, as a spreadsheet's
// cells are pasted, beside the column of their wordings, row for row; the places in twips, the
// texts, the resize rule and the notes.
#pragma once

#include "ui/twips.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace qev::form3 {

inline constexpr std::u16string_view kTitle = u"批量转换";
inline constexpr int kClientWidth = 9600;
inline constexpr int kClientHeight = 5400;
// The smallest client area the columns stay readable in.
inline constexpr int kMinClientWidth = 6000;
inline constexpr int kMinClientHeight = 3000;

enum class Kind { Label, AmountColumn, ResultColumn, CheckBox, Button, StatusBar };

struct Control {
    std::string_view name;
    Kind kind;
    TwipsRect place; // in the client area, at the design's size
    std::u16string_view text;
    int tabPosition; // -1: takes no focus
};

inline constexpr std::array<Control, 7> kControls = {{
    {"Label1", Kind::Label, {120, 120, 2880, 255}, u"金额（每行一个，可从表格粘贴）", -1},
    {"Text1", Kind::AmountColumn, {120, 420, 2880, 4020}, u"", 0},
    {"Label2", Kind::Label, {3120, 120, 6360, 255}, u"英文大写", -1},
    {"Text2", Kind::ResultColumn, {3120, 420, 6360, 4020}, u"", 1},
    {"Check1", Kind::CheckBox, {120, 4560, 2400, 315}, u"人民币大写", 2},
    {"Command1", Kind::Button, {8280, 4530, 1200, 375}, u"复制结果", 3},
    {"StatusBar1", Kind::StatusBar, {0, 5025, 9600, 375}, u"", -1},
}};

const Control& ControlNamed(std::string_view name);

// Where each control stands in a client area of this size (no smaller than the minimum): the
// result column takes the width the amount column leaves, both take the height, and the check
// box, the button and the status bar keep to the bottom, the button to the right.
TwipsRect PlaceIn(const Control& control, int clientWidth, int clientHeight);

// The most rows a column takes: a paste past them is refused whole, never cut.
inline constexpr std::size_t kMaxRows = 200000;
inline constexpr std::u16string_view kTooManyRows = u"最多200000行，未粘贴";
// The status line: the rows that hold anything, and those that cannot be written out.
std::u16string RowsNote(std::size_t rows, std::size_t refused);

} // namespace qev::form3
