// The main window on the page: its presenter, bound to the page's script (page.js), which builds
// the controls from the design table, forwards their events here by the design's handler names
// and carries out the view's calls on the DOM.
#include "ui/form1_presenter.h"
#include "ui/open_home_page.h"
#include "web/js_values.h"
#include "web/setting_store_web.h"
#include "web/windows_web.h"

#include <emscripten/bind.h>

namespace qev::web {

namespace {

using form1::Box;

class WebForm1 : public form1::View, private WebSettingStore, public form1::Presenter {
public:
    // `page` carries out the view's calls, `store` keeps the choices.
    WebForm1(val page, val store)
        : WebSettingStore(std::move(store)), Presenter(*this, *this), page_(std::move(page)) {}

    // A box's menu as the script shows it: each entry's caption, whether it is enabled or chosen,
    // its submenu, and the number of its action, which MenuEntryChosen takes back.
    val MenuEntries(Box box) {
        actions_.clear();
        return Entries(MenuOf(box));
    }
    void MenuEntryChosen(Box box, std::size_t action) {
        if (action < actions_.size()) {
            MenuChosen(box, actions_[action]);
        }
    }
    int KeyDown(KeyScope where, int key, bool ctrl, bool shift, bool alt) {
        return AnswerKey(*this, where, key, ctrl, shift, alt);
    }

private:
    val Entries(const std::vector<form1::MenuItem>& items) {
        val entries = val::array();
        for (const form1::MenuItem& item : items) {
            val entry = val::object();
            entry.set("caption", Js(item.caption));
            entry.set("enabled", item.enabled);
            entry.set("chosen", item.chosen ? val(*item.chosen) : val::null());
            entry.set("action", item.action ? val(actions_.size()) : val::null());
            // A paste waits for the script to read the clipboard, which only a paste event
            // hands over at once.
            entry.set("pastes", item.action == form1::MenuAction(form1::EditCommand::Paste));
            entry.set("submenu", Entries(item.submenu));
            if (item.action) {
                actions_.push_back(*item.action);
            }
            entries.call<void>("push", entry);
        }
        return entries;
    }

    // form1::View, on the page.
    std::u16string Text(Box box) const override { return page_.call<std::u16string>("text", box); }
    void SetText(Box box, std::u16string_view text) override {
        page_.call<void>("setText", box, Js(text));
    }
    form1::Selection SelectionIn(Box box) const override {
        return SelectionOf(page_.call<val>("selectionIn", box));
    }
    void SelectAmount(form1::Selection to) override {
        page_.call<void>("selectAmount", to.anchor, to.caret);
    }
    void Edit(Box box, form1::EditCommand command) override {
        page_.call<void>("edit", box, command);
    }
    bool CanUndo(Box box) const override { return page_.call<bool>("canUndo", box); }
    bool CanRedo(Box box) const override { return page_.call<bool>("canRedo", box); }
    void SetCurrencyEntries(const std::vector<std::u16string>& entries) override {
        page_.call<void>("setCurrencyEntries", Js(entries));
    }
    std::optional<std::size_t> CurrencyIndex() const override {
        const int index = page_.call<int>("currencyIndex");
        return index < 0 ? std::nullopt : std::optional<std::size_t>(index);
    }
    void SetCurrencyIndex(std::size_t index) override {
        page_.call<void>("setCurrencyIndex", index);
    }
    std::u16string CurrencyFieldText() const override {
        return page_.call<std::u16string>("currencyFieldText");
    }
    void SelectCurrencyField(form1::Selection selection) override {
        page_.call<void>("selectCurrencyField", selection.anchor, selection.caret);
    }
    void SetCurrencyDropWidth(int twips) override {
        page_.call<void>("setCurrencyDropWidth", twips);
    }
    int CurrencyListScreenRoom() const override {
        return page_.call<int>("currencyListScreenRoom");
    }
    int TextWidth(std::u16string_view text, form1::TextFont font) const override {
        return page_.call<int>("textWidth", Js(text), font);
    }
    int ScrollBarWidth() const override { return page_.call<int>("scrollBarWidth"); }
    // The page is never minimised or maximised: its window is the browser's.
    form1::OuterSize WindowSize() const override {
        const val size = page_.call<val>("windowSize");
        return {size["width"].as<int>(), size["height"].as<int>(), true, false};
    }
    void SetWindowSize(int width, int height) override {
        page_.call<void>("setWindowSize", width, height);
    }
    void FocusAmountBox() override { page_.call<void>("focusAmountBox"); }
    void SetMinimumSize(int width, int height) override {
        page_.call<void>("setMinimumSize", width, height);
    }
    void PlaceBoxes(const form1::Layout& layout) override {
        const auto orNull = [](const std::optional<int>& twips) {
            return twips ? val(*twips) : val::null();
        };
        val place = val::object();
        place.set("text1Width", orNull(layout.text1Width));
        place.set("combo1Left", layout.combo1Left);
        place.set("text2Width", orNull(layout.text2Width));
        place.set("text2Height", orNull(layout.text2Height));
        page_.call<void>("placeBoxes", place);
    }
    void Beep() override { page_.call<void>("beep"); }
    void ShowStatusNote(std::u16string_view note) override {
        page_.call<void>("showStatusNote", Js(note));
    }
    std::optional<std::u16string> ClipboardText() const override {
        return TextOf(page_.call<val>("clipboardText"));
    }
    bool SetClipboardText(std::u16string_view text) override {
        return page_.call<bool>("setClipboardText", Js(text));
    }
    void SetLinkLook(LinkLook look) override {
        page_.call<void>("setLinkLook", CssColour(look.colour), look.italic);
    }
    void ShowStatementWindow() override { OpenStatementWindow(page_); }
    void ShowBatchWindow(const form3::Choices& choices) override {
        OpenBatchWindow(page_, choices);
    }
    void ChoicesChanged(const form3::Choices& choices) override { FollowBatchWindow(choices); }
    // A refusal comes at once, while the window is there to hear it.
    void OpenHomePage() override {
        qev::OpenHomePage(0, [this] { HomePageNotOpened(); });
    }

    val page_;
    std::vector<form1::MenuAction> actions_; // of the menu last shown
};

} // namespace

EMSCRIPTEN_BINDINGS(form1) {
    using namespace emscripten;
    using form1::Presenter;
    enum_<Box>("Box").value("Amount", Box::Amount).value("Result", Box::Result);
    enum_<form1::EditCommand>("EditCommand")
        .value("Undo", form1::EditCommand::Undo)
        .value("Redo", form1::EditCommand::Redo)
        .value("Cut", form1::EditCommand::Cut)
        .value("Copy", form1::EditCommand::Copy)
        .value("Paste", form1::EditCommand::Paste)
        .value("Delete", form1::EditCommand::Delete)
        .value("SelectAll", form1::EditCommand::SelectAll);
    enum_<form1::AmountInput>("AmountInput")
        .value("Key", form1::AmountInput::Key)
        .value("InputMethodText", form1::AmountInput::InputMethodText)
        .value("Drop", form1::AmountInput::Drop)
        .value("Paste", form1::AmountInput::Paste)
        .value("Cut", form1::AmountInput::Cut)
        .value("Other", form1::AmountInput::Other);
    enum_<form1::TextFont>("TextFont")
        .value("CurrencyList", form1::TextFont::CurrencyList)
        .value("StatusBar", form1::TextFont::StatusBar);
    class_<Presenter>("Form1Presenter")
        .function("Form_Load", &Presenter::Form_Load)
        .function("Form_Resize", &Presenter::Form_Resize)
        .function("Combo1_Click", &Presenter::Combo1_Click)
        .function("Combo1_GotFocus", &Presenter::Combo1_GotFocus)
        .function("Combo1_LostFocus", &Presenter::Combo1_LostFocus)
        .function("Combo1_EnterPressed", &Presenter::Combo1_EnterPressed)
        .function("Combo1_DropDown", &Presenter::Combo1_DropDown)
        .function("Text1_BeforeEdit", &Presenter::Text1_BeforeEdit)
        .function("Text1_Change", &Presenter::Text1_Change)
        .function("Text1_Paste", &Presenter::Text1_Paste)
        .function("Text2_Insert", &Presenter::Text2_Insert)
        .function("Command1_Click", &Presenter::Command1_Click)
        .function("Label3_MouseMove", &Presenter::Label3_MouseMove)
        .function("Label3_MouseDown", &Presenter::Label3_MouseDown)
        .function("Label3_MouseUp", &Presenter::Label3_MouseUp)
        .function("Label3_MouseLeave", &Presenter::Label3_MouseLeave)
        .function("Picture1_MouseMove", &Presenter::Picture1_MouseMove)
        .function("StatusBar1_PanelClick", &Presenter::StatusBar1_PanelClick)
        .function("ClipboardRefused", &Presenter::ClipboardRefused);
    class_<WebForm1, base<Presenter>>("Form1")
        .constructor<val, val>()
        .function("menuEntries", &WebForm1::MenuEntries)
        .function("menuEntryChosen", &WebForm1::MenuEntryChosen)
        .function("keyDown", &WebForm1::KeyDown);
}

} // namespace qev::web
