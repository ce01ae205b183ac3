// The windows' design tables, as the page's script builds its controls from them: each control's
// design name (its element id), kind, place in twips and text, with the windows' sizes and texts.
#include "ui/accessible_names.h"
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

val Place(const TwipsRect& place) {
    val rect = val::object();
    rect.set("left", place.left);
    rect.set("top", place.top);
    rect.set("width", place.width);
    rect.set("height", place.height);
    return rect;
}

// What a screen reader says of a window's control, as the desktop windows say it.
void SetAccessible(val& control, std::string_view window, std::string_view name, int index) {
    if (const AccessibleControl* named = AccessibleControlNamed(window, name, index)) {
        control.set("accessibleName", Js(named->name));
        control.set("accessibleDescription", Js(named->description));
    }
}

// What every window's control carries: its name, index in a control array (else -1), kind, place,
// text and accessible name.
template <typename Control>
val ControlOf(std::string_view window, const Control& design, int index, std::string_view kind) {
    val control = val::object();
    control.set("name", std::string(design.name));
    control.set("index", index);
    control.set("kind", std::string(kind));
    control.set("place", Place(design.place));
    control.set("text", Js(design.text));
    SetAccessible(control, window, design.name, index);
    return control;
}

val Form1Design() {
    constexpr std::string_view kKinds[] = {"Label",     "PictureBox", "Button",      "ResultBox",
                                           "AmountBox", "StatusBar",  "CurrencyList"};
    val controls = val::array();
    for (const form1::Control& design : form1::kControls) {
        val control =
            ControlOf("Form1", design, design.index, kKinds[static_cast<int>(design.kind)]);
        control.set("songFace", design.songFace);
        control.set("underline", design.underline);
        control.set("tabPosition", design.tabPosition);
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
    val statusPanel = val::object();
    SetAccessible(statusPanel, "Form1", "StatusBar1Panel", -1);
    design.set("statusPanel", statusPanel);
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
        controls.call<void>("push", ControlOf("Form2", design, design.index,
                                              kKinds[static_cast<int>(design.kind)]));
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
        val control = ControlOf("Form3", design, -1, kKinds[static_cast<int>(design.kind)]);
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
