// The main window's behaviour, written once for both front ends: its state and every handler
// under its design name. It reaches the real window only through the View below, which each
// front end implements on its own controls.
#pragma once

#include "engine/amount_words.h"
#include "engine/wording_form.h"
#include "ui/link_look.h"
#include "ui/main/form1_design.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qev::form1 {

// The two text boxes: Text1, the amount, and Text2, the result.
enum class Box { Amount, Result };

// What a box's menu offers. The edit commands are the box's own; the presenter does those that
// change the amount itself. A wording form's value is kFormValue + 10 × its choice + the value.
enum class Command {
    Undo = 1,
    Redo,
    Cut,
    Copy,
    Paste,
    Delete,
    SelectAll,
    CopyWording,
    CopyRmbCapital,
    DefaultForms,
    FormValue = 100,
};

// An entry of a box's menu: a separator has no command and no submenu; a value among its
// submenu's others says whether it is the one chosen.
struct MenuItem {
    std::u16string caption; // with its key after a tab
    int command = 0;
    bool enabled = true;
    std::optional<bool> chosen;
    std::vector<MenuItem> submenu;
};

// A selection, or the caret where start and end meet; 0-based, between characters.
struct Selection {
    std::size_t start = 0;
    std::size_t end = 0;
    bool operator==(const Selection&) const = default;
};

// The window's outer size in twips, frame and title bar included, and its state: the window
// system keeps a minimised, maximised or full-screen window's size.
struct OuterSize {
    int width = 0;
    int height = 0;
    bool sizable = true; // neither maximised nor full screen
    bool minimised = false;
};

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
    virtual void Edit(Box box, Command command) = 0;
    virtual bool CanUndo(Box box) const = 0;
    virtual bool CanRedo(Box box) const = 0;

    // The currency list: its entries, in order, and the entry chosen (none: nothing).
    virtual void SetCurrencyEntries(const std::vector<std::u16string>& entries) = 0;
    virtual std::optional<std::size_t> CurrencyIndex() const = 0;
    // Chooses the entry, which the list's field then shows from its start.
    virtual void SetCurrencyIndex(std::size_t index) = 0;
    // What the list's field holds, typed into or chosen.
    virtual std::u16string CurrencyFieldText() const = 0;

    virtual OuterSize WindowSize() const = 0;
    virtual void SetWindowSize(int width, int height) = 0;
    // Moves the amount box, the currency list and the result box by the resize rule.
    virtual void PlaceBoxes(const Layout& layout) = 0;

    virtual void Beep() = 0;
    // A note in the status bar for a few seconds, in the panel's place.
    virtual void ShowStatusNote(std::u16string_view note) = 0;
    virtual std::optional<std::u16string> ClipboardText() const = 0;
    virtual bool SetClipboardText(std::u16string_view text) = 0;

    // The choices kept between runs, by key: nothing for one missing or damaged; false when one
    // could not be kept.
    virtual std::optional<std::u16string> Setting(std::string_view key) const = 0;
    virtual bool SetSetting(std::string_view key, std::u16string_view value) = 0;

    virtual void SetLinkLook(LinkLook look) = 0;
    virtual void ShowStatementWindow() = 0;
    virtual void OpenHomePage() = 0;
};

class Presenter {
public:
    explicit Presenter(View& view) : view_(view) {}

    // The window's events, forwarded by the front end.
    void Form_Load();
    void Form_Resize();
    void Combo1_Click();
    // The currency list's field loses the focus, or Enter is pressed there: a text that names an
    // entry by its code or the start of its name chooses it; any other goes back to the entry in
    // use.
    void Combo1_Validate();
    // Before the clerk's input reaches the amount box (a key, an input method's text, a drop):
    // where the box goes back to if the edit is refused, and which note a refusal shows.
    void Text1_BeforeEdit(bool typed);
    void Text1_Change();
    // A paste into the amount box, judged before it reaches the box.
    void Text1_Paste();
    // Ctrl+Z and Ctrl+Y (Ctrl+Shift+Z) in the amount box: the amount before the clerk's last edit,
    // and back again. A run of keys is one edit; the program's own write-backs and refusals are
    // none.
    void Text1_Undo() { Restore(undo_, redo_); }
    void Text1_Redo() { Restore(redo_, undo_); }
    void Command1_Click(int index);
    // The wording alone on the clipboard (Ctrl+Shift+C, the boxes' menus).
    void CopyWording() { Copy(WordingOf(view_.Text(Box::Result))); }
    // The Chinese capital of an RMB amount on the clipboard (Ctrl+Shift+R, the boxes' menus).
    void CopyRmbCapital() { Copy(RmbCapital()); }
    // A box's menu, as the clerk opens it, and the command chosen from it.
    std::vector<MenuItem> MenuOf(Box box) const;
    void MenuCommand(Box box, int command);
    void Label3_MouseMove() { SetLinkLook(kLinkHovered); }
    void Label3_MouseDown(int button) { SetLinkLook(LinkPressed(linkLook_, button)); }
    void Label3_MouseUp();
    // Nothing reports the pointer leaving the link; crossing the box around it ends the hover.
    void Picture1_MouseMove() { SetLinkLook(kLinkAtRest); }
    void StatusBar1_PanelClick() { view_.OpenHomePage(); }

private:
    // Writes the amount box and converts it: the box's own change notification is not an edit.
    void WriteAmount(std::u16string_view text, Selection selection);
    void Convert();
    void Keep(std::string_view key, std::string_view value);
    // Takes an edit of the amount box, written back when the box does not hold its clean text.
    void TakeEdit(const AmountEdit& edit, bool writeBack);
    // Puts the box back to a state of its history, the one it leaves going to `other`.
    struct State {
        std::u16string amount;
        Selection selection;
    };
    void Restore(std::vector<State>& from, std::vector<State>& other);
    void SetLinkLook(LinkLook look);
    // Puts the text on the clipboard and says so in the status bar; with none, or a clipboard
    // that cannot be had, beeps.
    void Copy(const std::optional<std::u16string_view>& text);
    // The Chinese capital of the amount, when the yuan is chosen and the amount has one.
    std::optional<std::u16string> RmbCapital() const;

    View& view_;
    std::size_t currencyIndex_ = 0;
    SelectedCurrency currency_;
    // The amount box as the last accepted edit left it, and its selection before the clerk's
    // latest input: where a refused edit puts it back.
    std::u16string amount_;
    Selection before_;
    bool typed_ = false;
    bool writing_ = false;
    std::vector<State> undo_, redo_;
    bool typing_ = false; // the last step of the history is a run of keys still going on
    // The wording's form and the letter case last chosen, kept between runs.
    WordingForm form_;
    CaseStyle style_ = CaseStyle::Upper;
    bool keepingFailed_ = false;
    LinkLook linkLook_;
};

} // namespace qev::form1
