// The windows' shared design, toolkit-free, as both front ends follow it: the resize rule against
// the design's places, the amount box's edit rule, the case buttons and the link's looks.
#include "ui/link_look.h"
#include "ui/main/form1_design.h"

#include <gtest/gtest.h>

#include <random>

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

// The amount box after an edit, '|' at the caret; past 22 characters the edit is refused with
// the note for a key or for a paste.
TEST(WindowDesign, AmountBoxEditRule) {
    const std::u16string full(22, u'1');
    const struct {
        std::u16string typed;
        bool byKey;
        std::u16string box;
        std::u16string_view refusal;
    } rows[] = {
        {u"1x|2", true, u"1|2", u""},
        {u"USD " + full + u" only|", false, full + u"|", u""},
        {full + u"1|", true, u"", u"金额最多22个字符"},
        {full + u"1|", false, u"", u"金额最多22个字符，未粘贴"},
    };
    for (const auto& row : rows) {
        std::u16string typed = row.typed;
        const std::size_t caret = typed.find(u'|');
        typed.erase(caret, 1);
        form1::AmountEdit edit = form1::EditAmount(typed, caret, row.byKey);
        if (edit.refusal.empty()) {
            edit.text.insert(edit.caret, 1, u'|');
        }
        EXPECT_EQ(edit.text, row.box) << testing::PrintToString(row.typed);
        EXPECT_EQ(edit.refusal, row.refusal) << testing::PrintToString(row.typed);
    }
}

TEST(WindowDesign, CaseButtonsAndLinkLooks) {
    EXPECT_EQ(form1::CaseButtonStyle(0), CaseStyle::Upper);
    EXPECT_EQ(form1::CaseButtonStyle(1), CaseStyle::Title);
    EXPECT_EQ(form1::CaseButtonStyle(2), CaseStyle::Lower);
    EXPECT_EQ(form1::CaseButtonStyle(-1), std::nullopt);
    EXPECT_EQ(form1::CaseButtonStyle(3), std::nullopt);
    EXPECT_EQ(form1::ControlNamed("Command1", 2).text, u"abc");
    // The song face on the captions, the boxes and the list, the window's default font on the
    // buttons and the status bar; only the link underlined.
    for (const form1::Control& control : form1::kControls) {
        const bool plain = control.kind == form1::Kind::Button ||
                           control.kind == form1::Kind::StatusBar ||
                           control.kind == form1::Kind::PictureBox;
        EXPECT_EQ(control.songFace, !plain) << control.name;
        EXPECT_EQ(control.underline, control.name == "Label3") << control.name;
    }

    // A left press turns the link red and keeps its italic; the other buttons change nothing.
    EXPECT_EQ(LinkPressed(kLinkHovered, 1), (LinkLook{kLinkRed, true}));
    EXPECT_EQ(LinkPressed(kLinkAtRest, 1), (LinkLook{kLinkRed, false}));
    EXPECT_EQ(LinkPressed(kLinkHovered, 2), kLinkHovered);
    EXPECT_EQ(LinkPressed(kLinkAtRest, 4), kLinkAtRest);
}

} // namespace
