// What a screen reader says of every control of every window: its accessible name, its role and,
// where the name alone leaves its use unsaid, a description. Both skins take them from here.
#pragma once

#include "ui/form2_design.h"

#include <string_view>

namespace qev {

// What a control is to a screen reader; each skin says it in its own toolkit's terms.
enum class AccessibleRole {
    Label,
    Pane,
    Grouping,
    Text,
    ComboBox,
    Button,
    CheckBox,
    Link,
    StatusBar
};

struct AccessibleControl {
    std::string_view window;  // "Form1", "Form2" or "Form3"
    std::string_view control; // its design name
    int index;                // in a control array, else -1
    AccessibleRole role;
    std::u16string_view name;
    std::u16string_view description = {}; // empty: none
};

namespace accessible_detail {

// A statement line's text, as the statement window's design gives it.
constexpr std::u16string_view StatementLine(std::string_view name, int index) {
    for (const form2::Control& control : form2::kControls) {
        if (control.name == name && control.index == index) {
            return control.text;
        }
    }
    return {};
}

} // namespace accessible_detail

// Beside the design tables: every control of theirs, and the main window's status-bar panel, which
// is a control of its own in a skin that builds it as one.
inline constexpr AccessibleControl kAccessibleControls[] = {
    {"Form1", "Label1", -1, AccessibleRole::Label, u"输入"},
    {"Form1", "Label2", -1, AccessibleRole::Label, u"输出"},
    {"Form1", "Picture1", -1, AccessibleRole::Pane, u"声明"},
    {"Form1", "Label3", -1, AccessibleRole::Link, u"声明", u"打开使用说明（F1）"},
    // The case buttons' captions show the case; their names say what they do.
    {"Form1", "Command1", 0, AccessibleRole::Button, u"全部大写", u"把英文大写改为全部大写字母"},
    {"Form1", "Command1", 1, AccessibleRole::Button, u"每词首字母大写",
     u"把英文大写改为每个词的首字母大写"},
    {"Form1", "Command1", 2, AccessibleRole::Button, u"全部小写", u"把英文大写改为全部小写字母"},
    {"Form1", "Text2", -1, AccessibleRole::Text, u"英文大写", u"转换结果，随金额和币种更新"},
    {"Form1", "Text1", -1, AccessibleRole::Text, u"金额"},
    {"Form1", "StatusBar1", -1, AccessibleRole::StatusBar, u"状态栏"},
    {"Form1", "StatusBar1Panel", -1, AccessibleRole::Link, u"Kestrune软件主页",
     u"在浏览器中打开主页"},
    {"Form1", "Combo1", -1, AccessibleRole::ComboBox, u"币种"},

    {"Form2", "Frame1", -1, AccessibleRole::Grouping, u"使用说明"},
    {"Form2", "Label1", 0, AccessibleRole::Label, accessible_detail::StatementLine("Label1", 0)},
    {"Form2", "Label1", 2, AccessibleRole::Label, accessible_detail::StatementLine("Label1", 2)},
    {"Form2", "Label1", 1, AccessibleRole::Label, accessible_detail::StatementLine("Label1", 1)},
    {"Form2", "Label4", -1, AccessibleRole::Link, kMakerWebAddress, u"在浏览器中打开主页"},
    {"Form2", "Label3", -1, AccessibleRole::Label, accessible_detail::StatementLine("Label3", -1)},
    {"Form2", "Image1", -1, AccessibleRole::Link, u"Kestrune软件主页", u"在浏览器中打开主页"},
    {"Form2", "Command1", -1, AccessibleRole::Button, u"确定", u"关闭使用说明"},

    {"Form3", "Label1", -1, AccessibleRole::Label, u"金额（每行一个，可从表格粘贴）"},
    {"Form3", "Text1", -1, AccessibleRole::Text, u"金额列", u"每行一个金额，可从表格粘贴"},
    {"Form3", "Label2", -1, AccessibleRole::Label, u"英文大写"},
    {"Form3", "Text2", -1, AccessibleRole::Text, u"英文大写列", u"与金额列逐行对应的转换结果"},
    {"Form3", "Check1", -1, AccessibleRole::CheckBox, u"人民币大写", u"人民币金额写成中文大写"},
    {"Form3", "Command1", -1, AccessibleRole::Button, u"复制结果",
     u"把英文大写列复制到剪贴板（Ctrl+Shift+C）"},
    {"Form3", "StatusBar1", -1, AccessibleRole::StatusBar, u"状态栏"},
};

// The entry of a window's control; nothing for a control the table does not hold.
constexpr const AccessibleControl*
AccessibleControlNamed(std::string_view window, std::string_view control, int index = -1) {
    for (const AccessibleControl& entry : kAccessibleControls) {
        if (entry.window == window && entry.control == control && entry.index == index) {
            return &entry;
        }
    }
    return nullptr;
}

} // namespace qev
