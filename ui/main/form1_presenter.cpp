#include "ui/main/form1_presenter.h"

#include "currency/currency_table.h"

#include <algorithm>

namespace qev::form1 {

void Presenter::Form_Load() {
    view_.SetText(Box::Amount, u"");
    view_.SetText(Box::Result, u"");
    LoadCurrencyList();
}

void Presenter::LoadCurrencyList() {
    std::vector<std::u16string> entries;
    for (std::size_t i = 0; i < CurrencyRecords().size(); ++i) {
        entries.push_back(ListEntryText(i));
    }
    view_.SetCurrencyEntries(entries);
    view_.SetCurrencyIndex(0);
    Combo1_Click();
}

void Presenter::Combo1_Click() {
    // An entry beyond the catalogue, or none, chooses nothing.
    const std::optional<std::size_t> index = view_.CurrencyIndex();
    if (!index || *index >= CurrencyRecords().size()) {
        return;
    }
    currencyIndex_ = *index;
    currency_ = CurrencyAt(*index);
    if (!amount_.empty()) {
        Convert();
    }
}

void Presenter::Combo1_Validate() {
    const std::optional<std::size_t> named = FindListEntry(view_.CurrencyFieldText());
    view_.SetCurrencyIndex(named.value_or(currencyIndex_));
    if (named && *named != currencyIndex_) {
        Combo1_Click();
    }
}

void Presenter::Convert() {
    view_.SetText(Box::Result,
                  amount_.empty() ? std::u16string() : AmountToWords(amount_, currency_).text);
}

void Presenter::Text1_BeforeEdit(bool typed) {
    before_ = view_.SelectionIn(Box::Amount);
    typed_ = typed;
}

void Presenter::Text1_Change() {
    if (writing_) {
        return;
    }
    const std::u16string text = view_.Text(Box::Amount);
    if (text == amount_) {
        return;
    }
    const AmountEdit edit = EditAmount(text, view_.SelectionIn(Box::Amount).end, typed_);
    TakeEdit(edit, edit.text != text);
}

void Presenter::Text1_Paste() {
    // The whole clipboard, not its first line: "1 000\r\n000" would lose digits. The box sees
    // only the clean text, however long the paste.
    const std::optional<std::u16string> pasted = view_.ClipboardText();
    if (!pasted) {
        return;
    }
    Text1_BeforeEdit(false);
    std::u16string text = view_.Text(Box::Amount);
    const auto [start, end] = std::minmax(before_.start, before_.end);
    text.replace(start, end - start, *pasted);
    TakeEdit(EditAmount(text, start + pasted->size(), false), true);
}

void Presenter::TakeEdit(const AmountEdit& edit, bool writeBack) {
    // An edit whose clean text would pass the limit is refused as a whole rather than cut, so a
    // paste never loses the digits at its end; the box goes back to how it was, and the status
    // bar says why.
    if (!edit.refusal.empty()) {
        WriteAmount(amount_, before_);
        view_.Beep();
        view_.ShowStatusNote(edit.refusal);
        return;
    }
    // The caret goes back among the characters the clerk was typing at.
    if (writeBack) {
        WriteAmount(edit.text, {edit.caret, edit.caret});
    }
    if (edit.text != amount_) {
        if (!(typed_ && typing_)) {
            undo_.push_back({amount_, before_});
        }
        redo_.clear();
        typing_ = typed_;
    }
    amount_ = edit.text;
    Convert();
    if (!edit.removedNote.empty()) {
        view_.ShowStatusNote(edit.removedNote);
    }
}

void Presenter::Text1_Undo() {
    Restore(undo_, redo_);
}

void Presenter::Text1_Redo() {
    Restore(redo_, undo_);
}

void Presenter::Restore(std::vector<State>& from, std::vector<State>& other) {
    if (from.empty()) {
        return;
    }
    other.push_back({amount_, view_.SelectionIn(Box::Amount)});
    const State state = from.back();
    from.pop_back();
    WriteAmount(state.amount, state.selection);
    amount_ = state.amount;
    typing_ = false;
    Convert();
}

void Presenter::WriteAmount(std::u16string_view text, Selection selection) {
    writing_ = true;
    view_.SetText(Box::Amount, text);
    view_.SelectAmount(selection);
    writing_ = false;
}

void Presenter::Command1_Click(int index) {
    if (const std::optional<CaseStyle> style = CaseButtonStyle(index)) {
        view_.SetText(Box::Result, ApplyCaseStyle(view_.Text(Box::Result), *style));
    }
}

std::vector<MenuItem> Presenter::MenuOf(Box box) const {
    const Selection selection = view_.SelectionIn(box);
    const bool selected = selection.start != selection.end;
    const auto item = [](std::u16string_view caption, Command command, bool enabled) {
        return MenuItem{std::u16string(caption), static_cast<int>(command), enabled};
    };
    const bool amount = box == Box::Amount;
    return {item(u"撤消(&U)\tCtrl+Z", Command::Undo, amount ? !undo_.empty() : view_.CanUndo(box)),
            item(u"重做(&R)\tCtrl+Y", Command::Redo, amount ? !redo_.empty() : view_.CanRedo(box)),
            {},
            item(u"剪切(&T)\tCtrl+X", Command::Cut, selected),
            item(u"复制(&C)\tCtrl+C", Command::Copy, selected),
            item(u"粘贴(&P)\tCtrl+V", Command::Paste, view_.ClipboardText().has_value()),
            item(u"删除(&D)\tDel", Command::Delete, selected),
            {},
            item(u"全选(&A)\tCtrl+A", Command::SelectAll, !view_.Text(box).empty()),
            {},
            item(std::u16string(kCopyWordingCaption) + u"\tCtrl+Shift+C", Command::CopyWording,
                 WordingOf(view_.Text(Box::Result)).has_value())};
}

void Presenter::MenuCommand(Box box, int command) {
    // The amount box's history and pastes are the presenter's own; its cut and delete are edits.
    const auto kind = static_cast<Command>(command);
    if (kind == Command::CopyWording) {
        CopyWording();
    } else if (box == Box::Amount && kind == Command::Undo) {
        Text1_Undo();
    } else if (box == Box::Amount && kind == Command::Redo) {
        Text1_Redo();
    } else if (box == Box::Amount && kind == Command::Paste) {
        Text1_Paste();
    } else if (command > 0 && command < static_cast<int>(Command::CopyWording)) {
        if (box == Box::Amount) {
            Text1_BeforeEdit(false);
        }
        view_.Edit(box, kind);
    }
}

void Presenter::CopyWording() {
    const std::u16string text = view_.Text(Box::Result);
    const std::optional<std::u16string_view> wording = WordingOf(text);
    if (!wording || !view_.SetClipboardText(*wording)) {
        view_.Beep();
        return;
    }
    view_.ShowStatusNote(std::u16string(kCopiedNote) + std::u16string(*wording));
}

void Presenter::Form_Resize() {
    OuterSize size = view_.WindowSize();
    // A minimised window shows no controls; they are laid out again as it is restored.
    if (size.minimised) {
        return;
    }
    if (size.sizable && (size.height < kMinOuterHeight || size.width < kMinOuterWidth)) {
        view_.SetWindowSize(std::max(size.width, kMinOuterWidth),
                            std::max(size.height, kMinOuterHeight));
        size = view_.WindowSize();
    }
    view_.PlaceBoxes(LayOut(size.width, size.height));
}

void Presenter::SetLinkLook(LinkLook look) {
    if (look != linkLook_) { // every move over the link would repaint it
        linkLook_ = look;
        view_.SetLinkLook(look);
    }
}

void Presenter::Label3_MouseMove() {
    SetLinkLook(kLinkHovered);
}

void Presenter::Label3_MouseDown(int button) {
    SetLinkLook(LinkPressed(linkLook_, button));
}

void Presenter::Label3_MouseUp() {
    // The statement window opens first and takes the focus; the link then looks as at rest,
    // though the pointer is still over it.
    view_.ShowStatementWindow();
    SetLinkLook(kLinkAtRest);
}

void Presenter::Picture1_MouseMove() {
    // Nothing reports the pointer leaving the link; crossing the box around it ends the hover.
    SetLinkLook(kLinkAtRest);
}

void Presenter::StatusBar1_PanelClick() {
    view_.OpenHomePage();
}

} // namespace qev::form1
