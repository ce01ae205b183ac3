// The batch window on the page, a panel the page's script builds from the design table anew at
// each opening, bound to its presenter.
#include "ui/form3_presenter.h"
#include "web/js_values.h"
#include "web/windows_web.h"

#include <emscripten/bind.h>

namespace qev::web {

namespace {

class WebForm3 : public form3::View, public form3::Presenter {
public:
    // Made by the script, which shows it in `panel` and deletes it once closed.
    WebForm3(val panel, const form3::Choices& choices)
        : Presenter(*this, choices), panel_(std::move(panel)) {
        Form_Load();
    }
    ~WebForm3() override { form3::Closed(*this); }

    int KeyDown(KeyScope where, int key, bool ctrl, bool shift, bool alt) {
        return AnswerKey(*this, where, key, ctrl, shift, alt);
    }

private:
    // form3::View, on the page.
    void ShowRestoredInFront() override { panel_.call<void>("showRestoredInFront"); }
    std::u16string Amounts() const override { return panel_.call<std::u16string>("amounts"); }
    void ReplaceResults(std::size_t first, std::size_t count, std::u16string_view rows) override {
        panel_.call<void>("replaceResults", first, count, Js(rows));
    }
    void ScrollAmountsTo(std::size_t row) override { panel_.call<void>("scrollAmountsTo", row); }
    void ScrollResultsTo(std::size_t row) override { panel_.call<void>("scrollResultsTo", row); }
    void ShowStatus(std::u16string_view text) override {
        panel_.call<void>("showStatus", Js(text));
    }
    void PasteIntoAmounts() override { panel_.call<void>("pasteIntoAmounts"); }
    void Beep() override { panel_.call<void>("beep"); }
    std::optional<std::u16string> ClipboardText() const override {
        return TextOf(panel_.call<val>("clipboardText"));
    }
    bool SetClipboardText(std::u16string_view rows) override {
        return panel_.call<bool>("setClipboardText", Js(rows));
    }

    val panel_;
};

} // namespace

void OpenBatchWindow(const val& page, const form3::Choices& choices) {
    // The script takes the choices on to the window it makes.
    form3::Open([&]() -> form3::View* {
        return page.call<val>("batchWindow", choices)
            .as<WebForm3*>(emscripten::allow_raw_pointers());
    });
}

void FollowBatchWindow(const form3::Choices& choices) {
    if (form3::View* open = form3::OpenWindow()) {
        static_cast<WebForm3*>(open)->Follow(choices);
    }
}

EMSCRIPTEN_BINDINGS(form3) {
    using namespace emscripten;
    using form3::Presenter;
    class_<Presenter>("Form3Presenter")
        .function("Text1_Change", &Presenter::Text1_Change)
        .function("Text1_Paste", &Presenter::Text1_Paste)
        .function("Text1_Scroll", &Presenter::Text1_Scroll)
        .function("Text2_Scroll", &Presenter::Text2_Scroll)
        .function("Check1_Click", &Presenter::Check1_Click)
        .function("Command1_Click", &Presenter::Command1_Click);
    class_<form3::Choices>("BatchChoices");
    class_<WebForm3, base<Presenter>>("Form3").constructor<val, const form3::Choices&>().function(
        "keyDown", &WebForm3::KeyDown);
}

} // namespace qev::web
