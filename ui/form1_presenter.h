// The main window's behaviour, written once for every skin: its state and every handler under its
// design name. It reaches the real window only through the View below, which each skin implements
// on its own controls, and the kept choices through a SettingStore.
#pragma once

#include "engine/amount_words.h"
#include "engine/wording_form.h"
#include "ui/amount_history.h"
#include "ui/form1_design.h"
#include "ui/form3_presenter.h"
#include "ui/link_look.h"
#include "ui/setting_store.h"
#include "ui/window_keys.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace qev::form1 {

// The two text boxes: Text1, the amount, and Text2, the result.
enum class Box { Amount, Result };

// A box's own edit commands, which the box carries out, but for the amount box's history and
// pastes, which are the presenter's.
enum class EditCommand { Undo, Redo, Cut, Copy, Paste, Delete, SelectAll };
// The window's own commands.
enum class WindowCommand { CopyWording, CopyRmbCapital, OpenBatch, OpenHomePage, DefaultForms };
// A value of a choice of the wording's form.
struct FormValue {
    FormChoice choice;
    std::uint8_t value;
    bool operator==(const FormValue&) const = default;
};
using MenuAction = std::variant<EditCommand, WindowCommand, FormValue>;

// An entry of a box's menu: a separator has no action and no submenu; a value among its
// submenu's others says whether it is the one chosen.
struct MenuItem {
    std::u16string caption; // with its key after a tab
    std::optional<MenuAction> action;
    bool enabled = true;
    std::optional<bool> chosen;
    std::vector<MenuItem> submenu;
};

// What reached the amount box from the clerk, reported before it changes the box.
enum class AmountInput {
    Key,             // a key that types or deletes
    InputMethodText, // what an input method commits
    Drop,            // text dragged in
    Paste,           // the clipboard's text
    Cut,             // cut or deleted as a command
    Other,           // anything else that changes it
};

// The window's outer size in twips, frame and title bar included, and its state: the window
// system keeps a minimised, maximised or full-screen window's size.
struct OuterSize {
    int width = 0;
    int height = 0;
    bool sizable = true; // neither maximised nor full screen
    bool minimised = false;
};

// The fonts the presenter measures texts in.
enum class TextFont { CurrencyList, StatusBar };

// What the presenter asks of the real window. Writing a box's text raises no edit of the
// clerk's: the presenter takes the change notification that follows for its own.
class View {
public:
    virtual ~View() = default;

    virtual std::u16string Text(Box box) const = 0;
    virtual void SetText(Box box, std::u16string_view text) = 0;
    virtual Selection SelectionIn(Box box) const = 0;
    virtual void SelectAmount(Selection selection) = 0;
    // The box's own edit commands, and whether it can undo and redo.
    virtual void Edit(Box box, EditCommand command) = 0;
    virtual bool CanUndo(Box box) const = 0;
    virtual bool CanRedo(Box box) const = 0;

    // The currency list: its entries, in order, and the entry chosen (none: nothing).
    virtual void SetCurrencyEntries(const std::vector<std::u16string>& entries) = 0;
    virtual std::optional<std::size_t> CurrencyIndex() const = 0;
    // Chooses the entry, which the list's field then shows.
    virtual void SetCurrencyIndex(std::size_t index) = 0;
    // What the list's field holds, typed into or chosen, and its selection.
    virtual std::u16string CurrencyFieldText() const = 0;
    virtual void SelectCurrencyField(Selection selection) = 0;
    // How wide the list drops down, and the room it has on its screen, from its left edge to the
    // screen's right edge, in twips.
    virtual void SetCurrencyDropWidth(int twips) = 0;
    virtual int CurrencyListScreenRoom() const = 0;

    // A text's width in a font of the window, and a vertical scroll bar's, in twips.
    virtual int TextWidth(std::u16string_view text, TextFont font) const = 0;
    virtual int ScrollBarWidth() const = 0;

    virtual OuterSize WindowSize() const = 0;
    virtual void SetWindowSize(int width, int height) = 0;
    virtual void FocusAmountBox() = 0;

    // The smallest outer size the window system should let the clerk drag the window to.
    virtual void SetMinimumSize(int width, int height) = 0;
    // Moves the amount box, the currency list and the result box by the resize rule.
    virtual void PlaceBoxes(const Layout& layout) = 0;

    virtual void Beep() = 0;
    // A note in the status bar for a few seconds, in the panel's place, as it is given: the
    // presenter has made it fit.
    virtual void ShowStatusNote(std::u16string_view note) = 0;
    virtual std::optional<std::u16string> ClipboardText() const = 0;
    virtual bool SetClipboardText(std::u16string_view text) = 0;

    virtual void SetLinkLook(LinkLook look) = 0;
    virtual void ShowStatementWindow() = 0;
    // The batch window: opened (or brought to the front) in the window's choices, and told of
    // them as they change, should it be open.
    virtual void ShowBatchWindow(const form3::Choices& choices) = 0;
    virtual void ChoicesChanged(const form3::Choices& choices) = 0;
    virtual void OpenHomePage() = 0;
};

class Presenter {
public:
    Presenter(View& view, SettingStore& settings) : view_(view), settings_(settings) {}

    // The window's events, forwarded by the skin.
    void Form_Load();
    void Form_Resize();
    // A key pressed with the focus in the amount box or elsewhere in the window: false when it is
    // none of the window's keys, for the control to take.
    bool Form_KeyDown(KeyScope where, KeyStroke stroke);
    void Combo1_Click();
    // The currency list's field: a long entry shows its start; when the focus leaves it, or Enter
    // is pressed there, a text that names an entry by its code or the start of its name chooses
    // it, and any other goes back to the entry in use.
    void Combo1_GotFocus() {
        fieldFocused_ = true;
        ShowFieldStart();
    }
    void Combo1_LostFocus() {
        fieldFocused_ = false;
        Combo1_Validate();
    }
    void Combo1_EnterPressed() { Combo1_Validate(); }
    // The list is about to drop down: wide enough for its longest entry, within its screen.
    void Combo1_DropDown();
    // The clerk's input, before it reaches the amount box: where the box goes back to if the edit
    // is refused, whether it continues a run of keys, and which note a refusal shows.
    void Text1_BeforeEdit(AmountInput input);
    void Text1_Change();
    // A paste into the amount box, judged before it reaches the box.
    void Text1_Paste();
    // Text of this many characters about to be pasted or dropped into the result box: whether it
    // may go in; when not, the window beeps and says why.
    bool Text2_Insert(std::size_t length);
    void Command1_Click(int index);
    // A box's menu, as the clerk opens it, and the action chosen from it.
    std::vector<MenuItem> MenuOf(Box box) const;
    void MenuChosen(Box box, const MenuAction& action);
    void Label3_MouseMove() { SetLinkLook(kLinkHovered); }
    void Label3_MouseDown(int button) {
        pressedOnLink_ = true;
        SetLinkLook(LinkPressed(linkLook_, button));
    }
    void Label3_MouseUp();
    // The pointer leaves the link, which then looks as at rest, unless a button pressed on it is
    // still held; crossing the box around it does the same, should the leaving go unreported.
    void Label3_MouseLeave() {
        if (!pressedOnLink_) {
            SetLinkLook(kLinkAtRest);
        }
    }
    void Picture1_MouseMove() { SetLinkLook(kLinkAtRest); }
    void StatusBar1_PanelClick() { view_.OpenHomePage(); }
    // The home page could not be opened: no browser, or none that took it.
    void HomePageNotOpened() { ShowNote(kHomePageNotOpened); }
    // A copy the clipboard took on and then refused, as a browser's may: the copy beeps after all,
    // and the status bar says so in place of the note that it was copied.
    void ClipboardRefused() {
        view_.Beep();
        ShowNote(kNotCopied);
    }

private:
    void Combo1_Validate();
    void ShowFieldStart();
    // Ctrl+Z and Ctrl+Y in the amount box: the amount before the clerk's last edit, and back.
    void Undo() { Restore(history_.Back({amount_, view_.SelectionIn(Box::Amount)})); }
    void Redo() { Restore(history_.Forward({amount_, view_.SelectionIn(Box::Amount)})); }
    void Restore(const std::optional<AmountState>& state);
    // Writes the amount box and converts it: the box's own change notification is not an edit.
    void WriteAmount(std::u16string_view text, Selection selection);
    void Convert();
    // Writes the result box, only when its text changes: each write is announced to a screen
    // reader.
    void ShowResult(const std::u16string& text);
    form3::Choices Choices() const { return {currencyIndex_, form_, style_}; }
    void Keep(FormChoice choice);
    void Keep(std::string_view key, std::string_view value);
    // Takes an edit of the amount box, written back when the box does not hold its clean text.
    void TakeEdit(const AmountEdit& edit, bool writeBack);
    void SetLinkLook(LinkLook look);
    // A note in the status bar, shortened with "…" to the panel's width.
    void ShowNote(std::u16string_view note);
    // The wording alone (Ctrl+Shift+C), or the Chinese capital of an amount in yuan
    // (Ctrl+Shift+R), on the clipboard.
    void CopyWording() { Copy(WordingOf(view_.Text(Box::Result))); }
    void CopyRmbCapital() { Copy(RmbCapital()); }
    // Puts the text on the clipboard and says so in the status bar; with none, or a clipboard
    // that cannot be had, beeps.
    void Copy(const std::optional<std::u16string_view>& text);
    // The Chinese capital of the amount, when the yuan is chosen and the amount has one.
    std::optional<std::u16string> RmbCapital() const;

    View& view_;
    SettingStore& settings_;
    std::size_t currencyIndex_ = 0;
    SelectedCurrency currency_;
    bool fieldFocused_ = false;
    // The amount box as the last accepted edit left it, and the clerk's latest input: where a
    // refused edit puts the box back, and what kind of edit it is.
    std::u16string amount_;
    Selection before_;
    AmountInput input_ = AmountInput::Other;
    bool writing_ = false;
    AmountHistory history_;
    // The wording's form and the letter case last chosen, kept between runs.
    WordingForm form_;
    CaseStyle style_ = CaseStyle::Upper;
    bool keepingFailed_ = false;
    LinkLook linkLook_;
    bool pressedOnLink_ = false;
};

} // namespace qev::form1
