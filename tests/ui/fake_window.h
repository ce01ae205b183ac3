// A main window without a toolkit, for the presenter's tests and its fuzz target: its boxes and
// list kept as real controls keep them, every other view call logged, the kept choices in memory.
#pragma once

#include "ui/form1_presenter.h"
#include "ui/setting_store.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace qev::test {

using form1::Box;

// The kept choices, in memory; a locked store keeps nothing.
class FakeSettings : public SettingStore {
public:
    std::optional<std::u16string> Read(std::string_view key) const override {
        const auto kept = values.find(key);
        return kept == values.end() ? std::nullopt : std::optional(kept->second);
    }
    bool Write(std::string_view key, std::u16string_view value) override {
        return !locked && (values[std::string(key)] = value, true);
    }
    std::map<std::string, std::u16string, std::less<>> values;
    bool locked = false;
};

// The main window without a toolkit. Writing the amount box raises its change notification, as
// every toolkit's box does. Every character is 100 twips wide.
class FakeWindow : public form1::View {
public:
    explicit FakeWindow(std::map<std::string, std::u16string, std::less<>> kept = {}) {
        settings.values = std::move(kept);
        presenter.Form_Load();
    }

    // Keys typed at the caret: "\b" Backspace, "\x7f" Delete, "^" Ctrl+A, "<" Home; any other
    // character goes in over the selection.
    void Type(std::u16string_view keys) {
        for (const char16_t key : keys) {
            if (key == u'<') {
                selection = {};
                continue;
            }
            presenter.Text1_BeforeEdit(form1::AmountInput::Key);
            auto [start, end] = std::minmax({selection.anchor, selection.caret});
            selection = {0, amount.size()};
            if (key != u'^') {
                const bool deletes = key == u'\b' || key == u'\x7f';
                start -= start == end && key == u'\b' && start > 0;
                end += start == end && key == u'\x7f' && end < amount.size();
                amount.replace(start, end - start, deletes ? 0 : 1, key);
                selection.anchor = selection.caret = start + !deletes;
                presenter.Text1_Change();
            }
        }
    }
    void Paste(std::u16string_view text) {
        clipboard = text;
        Press({u'V', true});
    }
    bool Press(KeyStroke stroke, KeyScope where = KeyScope::AmountBox) {
        return presenter.Form_KeyDown(where, stroke);
    }
    // The amount box with '|' at the caret.
    std::u16string AmountWithCaret() const {
        return std::u16string(amount).insert(selection.caret, 1, u'|');
    }
    // The entry of a box's menu, or of one of its submenus, that carries the action; one with no
    // action when there is none.
    form1::MenuItem Entry(Box box, const form1::MenuAction& action) const {
        std::vector<form1::MenuItem> items = presenter.MenuOf(box);
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].action == action) {
                return items[i];
            }
            items.insert(items.end(), items[i].submenu.begin(), items[i].submenu.end());
        }
        return {};
    }
    void Choose(Box box, const form1::MenuAction& action) {
        const form1::MenuItem entry = Entry(box, action);
        if (entry.action) {
            presenter.MenuChosen(box, *entry.action);
        }
    }

    std::u16string Text(Box box) const override { return box == Box::Amount ? amount : result; }
    void SetText(Box box, std::u16string_view text) override {
        (box == Box::Amount ? amount : result) = text;
        resultWrites += box == Box::Result;
        if (box == Box::Amount) {
            selection = {text.size(), text.size()};
            presenter.Text1_Change();
        }
    }
    form1::Selection SelectionIn(Box) const override { return selection; }
    void Edit(Box box, form1::EditCommand command) override {
        log += (box == Box::Amount ? u"amount:" : u"result:") +
               std::u16string(1, u'0' + int(command)) + u' ';
    }
    bool CanUndo(Box) const override { return false; }
    bool CanRedo(Box) const override { return true; }
    void SelectAmount(form1::Selection to) override { selection = to; }
    void SetCurrencyEntries(const std::vector<std::u16string>& texts) override { entries = texts; }
    std::optional<std::size_t> CurrencyIndex() const override { return index; }
    void SetCurrencyIndex(std::size_t at) override { field = entries.at(*(index = at)); }
    std::u16string CurrencyFieldText() const override { return field; }
    void SelectCurrencyField(form1::Selection to) override { fieldSelection = to; }
    void SetCurrencyDropWidth(int twips) override { dropWidth = twips; }
    int CurrencyListScreenRoom() const override { return screenRoom; }
    int TextWidth(std::u16string_view text, form1::TextFont) const override {
        return 100 * static_cast<int>(text.size());
    }
    int ScrollBarWidth() const override { return 255; }
    form1::OuterSize WindowSize() const override { return size; }
    void SetWindowSize(int width, int height) override { size = {width, height}; }
    void FocusAmountBox() override { log += u"focus:amount "; }
    void SetMinimumSize(int width, int height) override { minimum = {width, height}; }
    void PlaceBoxes(const form1::Layout& layout) override { placed = layout; }
    void Beep() override { log += u"beep "; }
    void ShowStatusNote(std::u16string_view note) override { log += std::u16string(note) + u' '; }
    std::optional<std::u16string> ClipboardText() const override { return clipboard; }
    bool SetClipboardText(std::u16string_view text) override {
        return !clipboardLocked && (clipboard = text, true);
    }
    void SetLinkLook(LinkLook look) override {
        log += look == kLinkAtRest ? u"rest " : look == kLinkHovered ? u"hover " : u"red ";
        log += look.italic || look == kLinkAtRest ? u"" : u"upright ";
    }
    void ShowStatementWindow() override { log += u"statement "; }
    void ShowBatchWindow(const form3::Choices& to) override {
        log += u"batch ";
        choices = to;
    }
    void ChoicesChanged(const form3::Choices& to) override { choices = to; }
    void OpenHomePage() override { log += u"home "; }

    std::u16string amount, result, log, field;
    form1::Selection selection, fieldSelection;
    std::vector<std::u16string> entries;
    std::optional<std::size_t> index;
    std::size_t resultWrites = 0;
    int dropWidth = 0, screenRoom = 1 << 20;
    form1::OuterSize size{8280, 3780}, minimum;
    std::optional<form1::Layout> placed;
    std::optional<std::u16string> clipboard;
    form3::Choices choices;
    bool clipboardLocked = false;
    FakeSettings settings;
    form1::Presenter presenter{*this, settings};
};

} // namespace qev::test
