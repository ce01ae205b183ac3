// The windows the main window opens on the page: the statement as a dialog and the batch window
// as a panel, each made by the page's script and bound to its presenter here.
#pragma once

#include "ui/form3_presenter.h"

#include <emscripten/val.h>

namespace qev::web {

// The page's keys of a window, as the script is told: none of the window's, taken, or a paste,
// which the browser's paste event then brings with the clipboard's text.
enum KeyAnswer { kKeyNone = 0, kKeyTaken = 1, kKeyPastes = 2 };

template <typename Presenter>
int AnswerKey(Presenter& presenter, KeyScope where, int key, bool ctrl, bool shift, bool alt) {
    const KeyStroke stroke{static_cast<char16_t>(key), ctrl, shift, alt};
    if (BoundAction(where, stroke) == KeyAction::Paste) {
        return kKeyPastes;
    }
    return presenter.Form_KeyDown(where, stroke) ? kKeyTaken : kKeyNone;
}

// `page` is the main window's script object, which makes each window's controls.
void OpenStatementWindow(const emscripten::val& page);
void OpenBatchWindow(const emscripten::val& page, const form3::Choices& choices);
// The main window's choices changed: the open batch window, if any, follows them.
void FollowBatchWindow(const form3::Choices& choices);

} // namespace qev::web
