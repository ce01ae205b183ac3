// The statement window's design, written once for both front ends: its title, size, the controls
// with their places in twips and their texts, and the web address's looks.
#pragma once

#include "ui/maker.h"
#include "ui/twips.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace qev::form2 {

inline constexpr std::u16string_view kTitle = u"使用说明";
inline constexpr int kClientWidth = 4215;
inline constexpr int kClientHeight = 3495;

// The window's font for every control, and Label4's (underlined, blue): "宋体" 9 points, whose
// full-width glyphs are 12 pixels wide, as the label rectangles are laid out for.
inline constexpr std::u16string_view kSongFace = u"宋体";
inline constexpr double kSongFacePoints = 9;
inline constexpr std::uint32_t kAddressColour = 0xff0000; // blue, as 0x00BBGGRR

enum class Kind { Frame, StatementLine, Address, Picture, Button };

struct Control {
    std::string_view name;
    int index; // in the Label1 array, else -1
    Kind kind;
    TwipsRect place; // in Frame1 for the statement lines and the address
    std::u16string_view text;
};

// In the order the window is built: the address after line 3, so it lies above it; it starts
// where line 3's second text line ends ("官方网站： ", 12-pixel full-width and 6-pixel ASCII
// glyphs) and ends where line 3's label ends, so it reads as the end of that line. Label1's
// element 0 holds line 1, element 2 line 2 and element 1 line 3.
inline constexpr std::array<Control, 8> kControls = {{
    {"Frame1", -1, Kind::Frame, {120, 120, 3975, 2535}, u""},
    {"Label1",
     0,
     Kind::StatementLine,
     {120, 240, 3735, 375},
     u"1.本软件最多可转换15位数字加两位小数,如超出上述数值,转换结果将会出错。"},
    {"Label1",
     2,
     Kind::StatementLine,
     {120, 720, 3735, 615},
     u"2.使用本软件转换所得结果前，请务必检查转换结果的正确性。由于转换结果错误而造成的任何经济"
     u"纠纷或损失，责任自负。"},
    {"Label1",
     1,
     Kind::StatementLine,
     {120, 1320, 3735, 495},
     u"3.本软件由Kestrune软件出品，用户可免费下载使用。官方网站： "},
    {"Label4", -1, Kind::Address, {1830, 1480, 2025, 255}, kMakerWebAddress},
    {"Label3",
     -1,
     Kind::StatementLine,
     {120, 1800, 3735, 615},
     u"4.任何组织或个人未经允许不得篡改软件内容或增加广告插件。如有违反，必将受到法律许可范围内"
     u"最大可能的起诉。"},
    {"Image1", -1, Kind::Picture, {120, 2760, 1740, 645}, u""},
    {"Command1", -1, Kind::Button, {2400, 2880, 1095, 375}, u"确定"},
}};

} // namespace qev::form2
