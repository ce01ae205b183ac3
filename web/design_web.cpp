// The windows' design tables, as the page's script builds its controls from them: each control's
// design name (its element id), kind, place in twips and text, with the windows' sizes and texts.
#include "ui/form1_design.h"
#include "ui/form2_design.h"
#include "ui/form3_design.h"
#include "ui/window_keys.h"
#include "web/js_values.h"

#include <emscripten/bind.h>

namespace qev::web {

namespace {

// The statement window's picture, compiled in: the page has no file beside it.
constexpr unsigned char kStatementPicture[] = {
#include "statement_picture.inc"
};

// The accessible names of the main window's controls, as the desktop windows give them.
struct AccessibleName {
    std::string_view control;
    int index;
    std::u16string_view name;
};
constexpr AccessibleName kAccessibleNames[] = {
    {"Text1", -1, u"金额"},
    {"Combo1", -1, u"币种"},
    {"Text2", -1, u"英文大写"},
    {"Command1", 0, u"全部大写"},
    {"Command1", 1, u"每词首字母大写"},
    {"Command1", 2, u"全部小写"},
    {"Label3", -1, u"声明"},
};

val Place(const TwipsRect& place) {
    val rect = val::object();
    rect.set("left", place.left);
    rect.set("top", place.top);
    rect.set("width", place.width);
    rect.set("height", place.height);
    return rect;
}

// What every window's control carries: its name, index in a control array (else -1), kind, place
// and text.
template <typename Control>
val ControlOf(const Control& design, int index, std::string_view kind) {
    val control = val::object();
    control.set("name", std::string(design.name));
    control.set("index", index);
    control.set("kind", std::string(kind));
    control.set("place", Place(design.place));
    control.set("text", Js(design.text));
    return control;
}

val Form1Design() {
    constexpr std::string_view kKinds[] = {"Label",     "PictureBox", "Button",      "ResultBox",
                                           "AmountBox", "StatusBar",  "CurrencyList"};
    val controls = val::array();
    for (const form1::Control& design : form1::kControls) {
        val control = ControlOf(design, design.index, kKinds[static_cast<int>(design.kind)]);
        control.set("songFace", design.songFace);
        control.set("underline", design.underline);
        control.set("tabPosition", design.tabPosition);
        for (const AccessibleName& named : kAccessibleNames) {
            if (named.control == design.name && named.index == design.index) {
                control.set("accessibleName", Js(named.name));
            }
        }
        controls.call<void>("push", control);
    }
    val design = val::object();
    design.set("title", Js(form1::kTitle));
    design.set("clientWidth", form1::kClientWidth);
    design.set("clientHeight", form1::kClientHeight);
    design.set("frameWidth", form1::kAssumedFrameWidth);
    design.set("frameHeight", form1::kAssumedFrameHeight);
    design.set("songFacePoints", form1::kSongFacePoints);
    design.set("statusPanelText", Js(form1::StatusPanelText()));
    design.set("statusPanelWidth", form1::kStatusPanelWidth);
    design.set("noteMilliseconds", form1::kStatusNoteMilliseconds);
    design.set("backspaceKey", static_cast<int>(kBackspaceKey));
    design.set("insertKey", static_cast<int>(kInsertKey));
    design.set("controls", controls);
    return design;
}

val Form2Design() {
    constexpr std::string_view kKinds[] = {"Frame", "StatementLine", "Address", "Picture",
                                           "Button"};
    val controls = val::array();
    for (const form2::Control& design : form2::kControls) {
        controls.call<void>("push",
                            ControlOf(design, design.index, kKinds[static_cast<int>(design.kind)]));
    }
    val design = val::object();
    design.set("title", Js(form2::kTitle));
    design.set("clientWidth", form2::kClientWidth);
    design.set("clientHeight", form2::kClientHeight);
    design.set("songFacePoints", form2::kSongFacePoints);
    design.set("addressColour", CssColour(form2::kAddressColour));
    design.set("picture",
               val(emscripten::typed_memory_view(sizeof kStatementPicture, kStatementPicture)));
    design.set("controls", controls);
    return design;
}

val Form3Design() {
    constexpr std::string_view kKinds[] = {"Label",    "AmountColumn", "ResultColumn",
                                           "CheckBox", "Button",       "StatusBar"};
    val controls = val::array();
    for (const form3::Control& design : form3::kControls) {
        val control = ControlOf(design, -1, kKinds[static_cast<int>(design.kind)]);
        control.set("tabPosition", design.tabPosition);
        controls.call<void>("push", control);
    }
    val design = val::object();
    design.set("title", Js(form3::kTitle));
    design.set("clientWidth", form3::kClientWidth);
    design.set("clientHeight", form3::kClientHeight);
    design.set("minClientWidth", form3::kMinClientWidth);
    design.set("minClientHeight", form3::kMinClientHeight);
    design.set("controls", controls);
    return design;
}

// Where a batch window's control stands in a client area of this size, in twips.
val Form3Place(const std::string& name, int clientWidth, int clientHeight) {
    return Place(form3::PlaceIn(form3::ControlNamed(name), clientWidth, clientHeight));
}

} // namespace

EMSCRIPTEN_BINDINGS(design) {
    using namespace emscripten;
    enum_<KeyScope>("KeyScope")
        .value("AmountBox", KeyScope::AmountBox)
        .value("Window", KeyScope::Window)
        .value("BatchAmounts", KeyScope::BatchAmounts)
        .value("BatchWindow", KeyScope::BatchWindow);
    function("form1Design", &Form1Design);
    function("form2Design", &Form2Design);
    function("form3Design", &Form3Design);
    function("form3Place", &Form3Place);
}

} // namespace qev::web
