// The windows' designs, toolkit-free: the main window's resize rule against the design's places,
// the order Tab visits the controls in, and every control's name for a screen reader.
#include "ui/accessible_names.h"
#include "ui/form1_design.h"
#include "ui/form2_design.h"
#include "ui/form3_design.h"
#include "ui/tab_order.h"

#include <gtest/gtest.h>

#include <random>
#include <string_view>
#include <tuple>
#include <vector>

using namespace qev;

namespace {

// Outer sizes in twips, from below the minimum to very wide. The rule keeps the three boxes in
// step with the edges: the amount box 105 twips left of the list, the list and the result box
// 225 inside the right edge, the result box 930 above the bottom; a box that would get a
// negative size is not moved.
TEST(WindowDesign, ResizeRuleKeepsTheBoxesWithTheEdges) {
    const TwipsRect text1 = form1::ControlNamed("Text1").place;
    const TwipsRect combo1 = form1::ControlNamed("Combo1").place;
    const TwipsRect text2 = form1::ControlNamed("Text2").place;
    std::vector<std::pair<int, int>> sizes = {{8280, 3780}, {4665, 3780}, {4664, 3780},
                                              {3000, 3780}, {944, 1469},  {40005, 20000},
                                              {945, 1470},  {8280, 1469}, {944, 3780}};
    std::mt19937 random(20261209);
    for (int i = 0; i < 500; ++i) {
        sizes.emplace_back(3000 + 15 * static_cast<int>(random() % 3000),
                           3780 + 15 * static_cast<int>(random() % 800));
    }
    for (const auto& [width, height] : sizes) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        const form1::Layout layout = form1::LayOut(width, height);
        EXPECT_EQ(layout.combo1Left + combo1.width, width - 225);
        EXPECT_EQ(layout.text1Width.has_value(), width >= 4665);
        if (layout.text1Width) {
            EXPECT_EQ(text1.left + *layout.text1Width, layout.combo1Left - 105);
        }
        EXPECT_EQ(layout.text2Width.has_value(), width >= 945 && height >= 1470);
        if (layout.text2Width) {
            EXPECT_EQ(text2.left + *layout.text2Width, width - 225);
            EXPECT_EQ(text2.top + *layout.text2Height, height - 930);
        }
    }
    // At the design's own outer size the rule gives the design's places, the result box one
    // pixel taller than drawn.
    const form1::Layout design = form1::LayOut(form1::kClientWidth + form1::kAssumedFrameWidth,
                                               form1::kClientHeight + form1::kAssumedFrameHeight);
    EXPECT_EQ(design.text1Width, text1.width);
    EXPECT_EQ(design.combo1Left, combo1.left);
    EXPECT_EQ(design.text2Width, text2.width);
    EXPECT_EQ(design.text2Height, text2.height + 15);
}

// At every size the window allows, no control covers another: the boxes the resize rule moves and
// the status bar docked at the bottom among the controls that stay.
TEST(WindowDesign, NoControlCoversAnother) {
    for (int width = form1::kMinOuterWidth; width < 20000; width += 15) {
        for (const int height : {form1::kMinOuterHeight, form1::kMinOuterHeight + 15, 12000}) {
            const form1::Layout layout = form1::LayOut(width, height);
            std::vector<std::pair<std::string_view, TwipsRect>> places;
            for (const form1::Control& control : form1::kControls) {
                TwipsRect place = control.place;
                if (control.name == "Text1") {
                    place.width = layout.text1Width.value_or(place.width);
                } else if (control.name == "Combo1") {
                    place.left = layout.combo1Left;
                } else if (control.name == "Text2") {
                    place.width = layout.text2Width.value_or(place.width);
                    place.height = layout.text2Height.value_or(place.height);
                } else if (control.name == "StatusBar1") {
                    place = {0, height - form1::kAssumedFrameHeight - place.height,
                             width - form1::kAssumedFrameWidth, place.height};
                }
                if (control.name != "Label3") { // inside Picture1
                    places.emplace_back(control.name, place);
                }
            }
            for (std::size_t i = 0; i < places.size(); ++i) {
                for (std::size_t j = i + 1; j < places.size(); ++j) {
                    const TwipsRect& a = places[i].second;
                    const TwipsRect& b = places[j].second;
                    EXPECT_TRUE(a.left + a.width <= b.left || b.left + b.width <= a.left ||
                                a.top + a.height <= b.top || b.top + b.height <= a.top)
                        << places[i].first << " and " << places[j].first << " at " << width << " x "
                        << height;
                }
            }
        }
    }
}

// Every control of every window's design has a name a screen reader can say, and the table holds
// Tab goes as the designs' tab positions say, the batch window's captions and status bar, which
// take no focus, after the rest.
TEST(WindowDesign, TabOrder) {
    const auto names = [](const auto& controls) {
        std::vector<std::string> named;
        for (const std::size_t place : TabOrder(controls)) {
            const auto& control = controls[place];
            named.emplace_back(control.name);
            if constexpr (requires { control.index; }) {
                if (control.index >= 0) {
                    named.back() += "_" + std::to_string(control.index);
                }
            }
        }
        return named;
    };
    EXPECT_EQ(
        names(form1::kControls),
        (std::vector<std::string>{"Label1", "Label2", "Combo1", "StatusBar1", "Text1", "Text2",
                                  "Command1_0", "Command1_1", "Command1_2", "Picture1", "Label3"}));
    EXPECT_EQ(names(form3::kControls),
              (std::vector<std::string>{"Text1", "Text2", "Check1", "Command1", "Label1", "Label2",
                                        "StatusBar1"}));
}

// no control beyond them but the main window's status-bar panel.
TEST(AccessibleNames, EveryControlOfEveryWindowNamed) {
    std::vector<std::tuple<std::string_view, std::string_view, int>> controls = {
        {"Form1", "StatusBar1Panel", -1}};
    for (const form1::Control& control : form1::kControls) {
        controls.emplace_back("Form1", control.name, control.index);
    }
    for (const form2::Control& control : form2::kControls) {
        controls.emplace_back("Form2", control.name, control.index);
    }
    for (const form3::Control& control : form3::kControls) {
        controls.emplace_back("Form3", control.name, -1);
    }
    for (const auto& [window, name, index] : controls) {
        const AccessibleControl* entry = AccessibleControlNamed(window, name, index);
        ASSERT_TRUE(entry) << window << ' ' << name << ' ' << index;
        EXPECT_FALSE(entry->name.empty()) << window << ' ' << name << ' ' << index;
    }
    EXPECT_EQ(std::size(kAccessibleControls), controls.size());
}

// The main window's controls say what they are and what they do, the case buttons whatever their
// captions; the statement link is a link.
TEST(AccessibleNames, MainWindowSaysWhatItsControlsDo) {
    const struct {
        std::string_view control;
        int index;
        AccessibleRole role;
        std::u16string_view name;
    } rows[] = {
        {"Text1", -1, AccessibleRole::Text, u"金额"},
        {"Combo1", -1, AccessibleRole::ComboBox, u"币种"},
        {"Text2", -1, AccessibleRole::Text, u"英文大写"},
        {"Command1", 0, AccessibleRole::Button, u"全部大写"},
        {"Command1", 1, AccessibleRole::Button, u"每词首字母大写"},
        {"Command1", 2, AccessibleRole::Button, u"全部小写"},
        {"Label3", -1, AccessibleRole::Link, u"声明"},
    };
    for (const auto& row : rows) {
        const AccessibleControl* entry = AccessibleControlNamed("Form1", row.control, row.index);
        ASSERT_TRUE(entry) << row.control;
        EXPECT_EQ(entry->role, row.role) << row.control;
        EXPECT_EQ(entry->name, row.name) << row.control;
    }
}

} // namespace
