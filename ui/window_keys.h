// The windows' keys beyond their controls' own, once for both skins and for the menu captions
// that show them: each skin binds these strokes, and nothing else, to the presenter's actions.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace qev {

// A key with the modifiers held: a capital letter, or one of the named keys below.
struct KeyStroke {
    char16_t key = 0;
    bool ctrl = false, shift = false, alt = false;
    bool operator==(const KeyStroke&) const = default;
};
inline constexpr char16_t kBackspaceKey = 0x08;
inline constexpr char16_t kInsertKey = 0xf727; // outside any text: no letter is ever taken for it
inline constexpr char16_t kF1Key = 0xf704;

// What a key does, and where the focus must be for it to do it: the main window's amount box or
// anywhere in that window; the batch window's amount column or anywhere in that window.
enum class KeyAction {
    Undo,
    Redo,
    Paste,
    CopyWording,
    CopyRmbCapital,
    OpenBatch,
    ShowStatement,
    CopyResults
};
enum class KeyScope { AmountBox, Window, BatchAmounts, BatchWindow };

struct KeyBinding {
    KeyAction action;
    KeyScope scope;
    KeyStroke stroke;
};

// The amount box's history and pastes are the presenter's, not the box's own; the wording and the
// Chinese capital are copied from anywhere in the window, and F1 opens the statement window from
// anywhere in it, as the link does. The first stroke of an action is the one its menu entry shows.
inline constexpr std::array<KeyBinding, 13> kWindowKeys = {{
    {KeyAction::Undo, KeyScope::AmountBox, {u'Z', true}},
    {KeyAction::Undo, KeyScope::AmountBox, {kBackspaceKey, false, false, true}},
    {KeyAction::Redo, KeyScope::AmountBox, {u'Y', true}},
    {KeyAction::Redo, KeyScope::AmountBox, {u'Z', true, true}},
    {KeyAction::Paste, KeyScope::AmountBox, {u'V', true}},
    {KeyAction::Paste, KeyScope::AmountBox, {kInsertKey, false, true}},
    {KeyAction::CopyWording, KeyScope::Window, {u'C', true, true}},
    {KeyAction::CopyRmbCapital, KeyScope::Window, {u'R', true, true}},
    {KeyAction::OpenBatch, KeyScope::Window, {u'B', true}},
    {KeyAction::ShowStatement, KeyScope::Window, {kF1Key}},
    {KeyAction::CopyResults, KeyScope::BatchWindow, {u'C', true, true}},
    {KeyAction::Paste, KeyScope::BatchAmounts, {u'V', true}},
    {KeyAction::Paste, KeyScope::BatchAmounts, {kInsertKey, false, true}},
}};

// The window a scope is in: the keys of a whole window hold in its columns and boxes too.
constexpr KeyScope WindowOf(KeyScope scope) {
    return scope == KeyScope::AmountBox      ? KeyScope::Window
           : scope == KeyScope::BatchAmounts ? KeyScope::BatchWindow
                                             : scope;
}

// The action a stroke is bound to where the focus is: the window's keys hold in the amount box too.
constexpr std::optional<KeyAction> BoundAction(KeyScope where, KeyStroke stroke) {
    for (const KeyBinding& binding : kWindowKeys) {
        if (binding.stroke == stroke &&
            (binding.scope == where || binding.scope == WindowOf(where))) {
            return binding.action;
        }
    }
    return std::nullopt;
}

// How a menu shows the action's first stroke: "Ctrl+Shift+C".
inline std::u16string KeyCaption(KeyAction action) {
    for (const KeyBinding& binding : kWindowKeys) {
        if (binding.action == action) {
            const KeyStroke& stroke = binding.stroke;
            std::u16string caption = std::u16string(stroke.ctrl ? u"Ctrl+" : u"") +
                                     (stroke.shift ? u"Shift+" : u"") +
                                     (stroke.alt ? u"Alt+" : u"");
            return caption + (stroke.key == kBackspaceKey ? u"Backspace"
                              : stroke.key == kInsertKey  ? u"Insert"
                                                          : std::u16string(1, stroke.key));
        }
    }
    return {};
}

} // namespace qev
