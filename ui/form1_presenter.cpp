#include "ui/form1_presenter.h"

#include "currency/currency_table.h"
#include "engine/rmb_capital.h"
#include "engine/text_services.h"

#include <algorithm>

namespace qev::form1 {

namespace {

// The wording's forms as the result box's menu names them, in kFormChoices' order: the English
// wording's, then the Chinese capital's.
struct FormMenu {
    std::u16string_view caption;
    std::array<std::u16string_view, 5> values;
};
constexpr FormMenu kFormMenus[kFormChoiceCount] = {
    // "&&" shows one "&": a lone one marks the key of an entry.
    {u"辅币",
     {u"&& FIFTY CENTS", u"AND FIFTY CENTS", u"AND CENTS FIFTY", u"AND 50/100（支票）",
      u"AND POINT FIVE ZERO"}},
    {u"开头", {u"SAY", u"SAY TOTAL", u"不写"}},
    {u"结尾", {u"ONLY", u"不写", u"只在整数金额之后写 ONLY"}},
    {u"货币名称", {u"写在数目之前", u"写在数目之后"}},
    {u"二十一至九十九", {u"THIRTY FOUR", u"THIRTY-FOUR"}},
    {u"百位之后", {u"HUNDRED AND ONE", u"HUNDRED ONE"}},
    {u"数字分组", {u"THOUSAND, MILLION", u"LAKH, CRORE（印度）"}},
    {u"万位、元位之零", {u"写零", u"不写零"}},
    {u"角之后", {u"写整", u"不写整"}},
};
constexpr std::string_view kCaseKey = "case";
// Room the list's drop-down takes beside its widest entry and its scroll bar: its frame and the
// entries' margins.
constexpr int kDropMarginTwips = 180;

// What an edit put in: what stands between the parts of the old text it kept at either end.
std::u16string_view InsertedText(std::u16string_view after, std::u16string_view before) {
    std::size_t start = 0, end = 0;
    while (start < after.size() && start < before.size() && after[start] == before[start]) {
        ++start;
    }
    while (end < after.size() - start && end < before.size() - start &&
           after[after.size() - 1 - end] == before[before.size() - 1 - end]) {
        ++end;
    }
    return after.substr(start, after.size() - start - end);
}

std::string Ascii(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; })
               ? std::string(text.begin(), text.end())
               : std::string();
}

} // namespace

void Presenter::Form_Load() {
    view_.SetText(Box::Amount, u"");
    view_.SetText(Box::Result, u"");
    view_.SetMinimumSize(kMinOuterWidth, kMinOuterHeight);
    // The choices kept from the last run; a missing or damaged one is the design's.
    for (std::size_t k = 0; k < kFormChoiceCount; ++k) {
        const auto kept = settings_.Read(kFormChoices[k].name);
        form_.values[k] = ValueNamed(FormChoice(k), Ascii(kept.value_or(u""))).value_or(0);
    }
    style_ =
        CaseStyleNamed(Ascii(settings_.Read(kCaseKey).value_or(u""))).value_or(CaseStyle::Upper);
    // The currency list, its first entry chosen.
    std::vector<std::u16string> entries;
    for (std::size_t i = 0; i < CurrencyRecords().size(); ++i) {
        entries.push_back(ListEntryText(i));
    }
    view_.SetCurrencyEntries(entries);
    view_.SetCurrencyIndex(0);
    ShowFieldStart();
    Combo1_Click();
}

bool Presenter::Form_KeyDown(KeyScope where, KeyStroke stroke) {
    const std::optional<KeyAction> action = BoundAction(where, stroke);
    if (!action) {
        return false;
    }
    switch (*action) {
    case KeyAction::Undo:
        Undo();
        break;
    case KeyAction::Redo:
        Redo();
        break;
    case KeyAction::Paste:
        Text1_Paste();
        break;
    case KeyAction::CopyWording:
        CopyWording();
        break;
    case KeyAction::CopyRmbCapital:
        CopyRmbCapital();
        break;
    case KeyAction::OpenBatch:
        view_.ShowBatchWindow(Choices());
        break;
    case KeyAction::ShowStatement:
        view_.ShowStatementWindow();
        break;
    default: // the batch window's
        return false;
    }
    return true;
}

void Presenter::Keep(FormChoice choice) {
    const std::size_t k = static_cast<std::size_t>(choice);
    Keep(kFormChoices[k].name, kFormChoices[k].values[form_.values[k]]);
}

void Presenter::Keep(std::string_view key, std::string_view value) {
    // A choice that cannot be kept still holds for this run; the status bar says so once.
    if (!settings_.Write(key, std::u16string(value.begin(), value.end())) && !keepingFailed_) {
        keepingFailed_ = true;
        ShowNote(kSettingNotKept);
    }
}

void Presenter::Combo1_Click() {
    // An entry beyond the catalogue, or none, chooses nothing.
    const std::optional<std::size_t> index = view_.CurrencyIndex();
    if (!index || *index >= CurrencyRecords().size()) {
        return;
    }
    currencyIndex_ = *index;
    currency_ = CurrencyAt(*index);
    view_.ChoicesChanged(Choices());
    if (!amount_.empty()) {
        Convert();
    }
}

void Presenter::ShowFieldStart() {
    // A long entry shows its start, not its end with the code: the caret first, and all of it
    // selected while the field has the focus.
    const std::size_t length = fieldFocused_ ? view_.CurrencyFieldText().size() : 0;
    view_.SelectCurrencyField({length, 0});
}

void Presenter::Combo1_Validate() {
    const std::u16string typed = view_.CurrencyFieldText();
    const std::optional<std::size_t> named = FindListEntry(typed);
    view_.SetCurrencyIndex(named.value_or(currencyIndex_));
    ShowFieldStart();
    if (named && *named != currencyIndex_) {
        Combo1_Click();
    } else if (!named && IsAmountText(typed)) {
        // An amount typed where the focus starts, in the list's field: it goes to the amount box,
        // and the focus with it.
        view_.FocusAmountBox();
        Text1_BeforeEdit(AmountInput::Paste);
        before_ = {0, amount_.size()};
        const std::size_t first = typed.find_first_not_of(u' ');
        const std::u16string amount = typed.substr(first, typed.find_last_not_of(u' ') - first + 1);
        TakeEdit(EditAmount(amount, amount.size(), false), true);
    } else if (!named && typed.find_first_not_of(u' ') != std::u16string::npos) {
        ShowNote(std::u16string(kNoSuchCurrency) + typed);
    }
}

void Presenter::Combo1_DropDown() {
    // Wide enough for its longest entry and its scroll bar, but never past the screen's edge.
    int widest = 0;
    for (std::size_t i = 0; i < CurrencyRecords().size(); ++i) {
        widest = std::max(widest, view_.TextWidth(ListEntryText(i), TextFont::CurrencyList));
    }
    view_.SetCurrencyDropWidth(std::min(widest + view_.ScrollBarWidth() + kDropMarginTwips,
                                        view_.CurrencyListScreenRoom()));
}

void Presenter::Convert() {
    const std::u16string result =
        amount_.empty() ? std::u16string() : AmountToWords(amount_, currency_, form_).text;
    ShowResult(style_ == CaseStyle::Upper ? result : ApplyCaseStyle(result, style_));
}

void Presenter::ShowResult(const std::u16string& text) {
    if (text != view_.Text(Box::Result)) {
        view_.SetText(Box::Result, text);
    }
}

void Presenter::Text1_BeforeEdit(AmountInput input) {
    before_ = view_.SelectionIn(Box::Amount);
    input_ = input;
}

void Presenter::Text1_Change() {
    if (writing_) {
        return;
    }
    const std::u16string text = view_.Text(Box::Amount);
    if (text == amount_) {
        return;
    }
    const bool typed = input_ == AmountInput::Key || input_ == AmountInput::InputMethodText;
    // Dropped in, or pasted by the box itself: judged as a paste is.
    const std::u16string_view refusal = typed || input_ == AmountInput::Cut
                                            ? std::u16string_view()
                                            : PasteRefusal(InsertedText(text, amount_));
    if (!refusal.empty()) {
        TakeEdit({{}, 0, refusal, {}}, false);
        return;
    }
    const AmountEdit edit = EditAmount(text, view_.SelectionIn(Box::Amount).caret, typed);
    TakeEdit(edit, edit.text != text);
}

bool Presenter::Text2_Insert(std::size_t length) {
    const Selection selection = view_.SelectionIn(Box::Result);
    const std::size_t held = view_.Text(Box::Result).size();
    const std::size_t replaced =
        std::max(selection.anchor, selection.caret) - std::min(selection.anchor, selection.caret);
    if (held - std::min(held, replaced) + length <= kResultBoxMaxLength) {
        return true;
    }
    view_.Beep();
    ShowNote(kResultPastedTooLong);
    return false;
}

void Presenter::Text1_Paste() {
    // The whole clipboard, not its first line: "1 000\r\n000" would lose digits. The box sees
    // only the clean text, however long the paste.
    const std::optional<std::u16string> pasted = view_.ClipboardText();
    if (!pasted) {
        return;
    }
    Text1_BeforeEdit(AmountInput::Paste);
    if (const std::u16string_view refusal = PasteRefusal(*pasted); !refusal.empty()) {
        TakeEdit({{}, 0, refusal, {}}, false);
        return;
    }
    std::u16string text = view_.Text(Box::Amount);
    const auto [start, end] = std::minmax(before_.anchor, before_.caret);
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
        ShowNote(edit.refusal);
        return;
    }
    // The caret goes back among the characters the clerk was typing at.
    if (writeBack) {
        WriteAmount(edit.text, {edit.caret, edit.caret});
    }
    if (edit.text != amount_) {
        history_.Record({amount_, before_}, view_.SelectionIn(Box::Amount),
                        input_ == AmountInput::Key || input_ == AmountInput::InputMethodText);
    }
    amount_ = edit.text;
    Convert();
    if (!edit.removedNote.empty()) {
        ShowNote(edit.removedNote);
    }
}

void Presenter::Restore(const std::optional<AmountState>& state) {
    if (state) {
        WriteAmount(state->amount, state->selection);
        amount_ = state->amount;
        Convert();
    }
}

void Presenter::WriteAmount(std::u16string_view text, Selection selection) {
    writing_ = true;
    view_.SetText(Box::Amount, text);
    view_.SelectAmount(selection);
    writing_ = false;
}

void Presenter::Command1_Click(int index) {
    // The style chosen stays for the conversions that follow, and between runs.
    if (const std::optional<CaseStyle> style = CaseButtonStyle(index)) {
        style_ = *style;
        ShowResult(ApplyCaseStyle(view_.Text(Box::Result), *style));
        Keep(kCaseKey, kCaseStyleNames[static_cast<std::size_t>(*style)]);
        view_.ChoicesChanged(Choices());
    }
}

std::vector<MenuItem> Presenter::MenuOf(Box box) const {
    const Selection selection = view_.SelectionIn(box);
    const bool selected = selection.anchor != selection.caret;
    const auto item = [](std::u16string_view caption, std::optional<MenuAction> action,
                         bool enabled, std::optional<bool> chosen = {}) {
        return MenuItem{std::u16string(caption), action, enabled, chosen, {}};
    };
    const auto keyed = [](std::u16string_view caption, KeyAction key) {
        return std::u16string(caption) + u'\t' + KeyCaption(key);
    };
    const bool amount = box == Box::Amount;
    using enum EditCommand;
    std::vector<MenuItem> menu = {
        item(keyed(u"撤消(&U)", KeyAction::Undo), Undo,
             amount ? history_.CanGoBack() : view_.CanUndo(box)),
        item(keyed(u"重做(&R)", KeyAction::Redo), Redo,
             amount ? history_.CanGoForward() : view_.CanRedo(box)),
        {},
        item(u"剪切(&T)\tCtrl+X", Cut, selected),
        item(u"复制(&C)\tCtrl+C", Copy, selected),
        item(keyed(u"粘贴(&P)", KeyAction::Paste), Paste, view_.ClipboardText().has_value()),
        item(u"删除(&D)\tDel", Delete, selected),
        {},
        item(u"全选(&A)\tCtrl+A", SelectAll, !view_.Text(box).empty()),
        {},
        item(keyed(kCopyWordingCaption, KeyAction::CopyWording), WindowCommand::CopyWording,
             WordingOf(view_.Text(Box::Result)).has_value()),
        item(keyed(u"复制人民币大写", KeyAction::CopyRmbCapital), WindowCommand::CopyRmbCapital,
             RmbCapital().has_value()),
        item(keyed(u"批量转换…", KeyAction::OpenBatch), WindowCommand::OpenBatch, true),
        item(u"访问主页(&H)", WindowCommand::OpenHomePage, true)};
    if (box == Box::Result) { // the wording's forms, each value checked when chosen
        const auto forms = [&](std::u16string_view caption, std::size_t first, std::size_t end) {
            MenuItem forms = item(caption, {}, true);
            for (std::size_t k = first; k < end; ++k) {
                MenuItem& choice =
                    forms.submenu.emplace_back(item(kFormMenus[k].caption, {}, true));
                for (std::uint8_t v = 0; v < ValueCount(FormChoice(k)); ++v) {
                    choice.submenu.push_back(
                        item(std::u16string(kFormMenus[k].values[v]) + (v ? u"" : u"（默认）"),
                             FormValue{FormChoice(k), v}, true, form_.values[k] == v));
                }
            }
            return forms;
        };
        menu.push_back({});
        menu.push_back(forms(u"英文格式", 0, kEnglishChoiceCount));
        menu.push_back(forms(u"人民币大写格式", kEnglishChoiceCount, kFormChoiceCount));
        menu.push_back(item(u"恢复默认格式", WindowCommand::DefaultForms, form_ != WordingForm{}));
    }
    return menu;
}

void Presenter::MenuChosen(Box box, const MenuAction& action) {
    if (const auto* value = std::get_if<FormValue>(&action)) {
        if (value->value < ValueCount(value->choice)) {
            form_.values[static_cast<std::size_t>(value->choice)] = value->value;
            Keep(value->choice);
            Convert();
            view_.ChoicesChanged(Choices());
        }
    } else if (const auto* command = std::get_if<WindowCommand>(&action)) {
        switch (*command) {
        case WindowCommand::CopyWording:
            CopyWording();
            break;
        case WindowCommand::CopyRmbCapital:
            CopyRmbCapital();
            break;
        case WindowCommand::OpenBatch:
            view_.ShowBatchWindow(Choices());
            break;
        case WindowCommand::OpenHomePage:
            view_.OpenHomePage();
            break;
        case WindowCommand::DefaultForms:
            form_ = {};
            for (std::size_t k = 0; k < kFormChoiceCount; ++k) {
                Keep(FormChoice(k));
            }
            Convert();
            view_.ChoicesChanged(Choices());
            break;
        }
    } else {
        const EditCommand edit = std::get<EditCommand>(action);
        // The amount box's history and pastes are the presenter's own; its cut and delete are
        // edits.
        if (box == Box::Amount && edit == EditCommand::Undo) {
            Undo();
        } else if (box == Box::Amount && edit == EditCommand::Redo) {
            Redo();
        } else if (box == Box::Amount && edit == EditCommand::Paste) {
            Text1_Paste();
        } else {
            if (box == Box::Amount) {
                Text1_BeforeEdit(AmountInput::Cut);
            }
            view_.Edit(box, edit);
        }
    }
}

void Presenter::ShowNote(std::u16string_view note) {
    // Cut at a character, as long as it fits with "…" after it.
    std::u16string shown(note);
    if (view_.TextWidth(shown, TextFont::StatusBar) > kStatusPanelWidth) {
        std::size_t fits = 0, fitsNot = shown.size();
        while (fitsNot - fits > 1) {
            const std::size_t middle = (fits + fitsNot) / 2;
            const std::u16string candidate = std::u16string(note.substr(0, middle)) + u'…';
            (view_.TextWidth(candidate, TextFont::StatusBar) <= kStatusPanelWidth ? fits
                                                                                  : fitsNot) =
                middle;
        }
        if (fits > 0 && IsLeadSurrogate(note[fits - 1])) {
            --fits;
        }
        shown = std::u16string(note.substr(0, fits)) + u'…';
    }
    view_.ShowStatusNote(shown);
}

void Presenter::Copy(const std::optional<std::u16string_view>& text) {
    if (!text || !view_.SetClipboardText(*text)) {
        view_.Beep();
        return;
    }
    ShowNote(std::u16string(kCopiedNote) + std::u16string(*text));
}

std::optional<std::u16string> Presenter::RmbCapital() const {
    // Written for the yuan alone.
    return currency_.code == u"CNY" && !amount_.empty() ? RmbCapitalOf(amount_, form_)
                                                        : std::nullopt;
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

void Presenter::Label3_MouseUp() {
    // The statement window opens first and takes the focus; the link then looks as at rest,
    // though the pointer is still over it.
    pressedOnLink_ = false;
    view_.ShowStatementWindow();
    SetLinkLook(kLinkAtRest);
}

} // namespace qev::form1
