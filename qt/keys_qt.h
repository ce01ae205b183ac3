// The keyboard as the tables give it and Qt takes it: the window-key table's strokes, and the
// designs' tab order.
#pragma once

#include "ui/tab_order.h"
#include "ui/window_keys.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

namespace qev {

// A key press as the table writes it; key 0 for a key the table has no place for.
inline KeyStroke StrokeOf(const QKeyEvent& key) {
    const int code = key.key();
    const Qt::KeyboardModifiers held = key.modifiers();
    return {code >= Qt::Key_A && code <= Qt::Key_Z ? static_cast<char16_t>(code)
            : code == Qt::Key_Backspace            ? kBackspaceKey
            : code == Qt::Key_Insert               ? kInsertKey
            : code == Qt::Key_F1                   ? kF1Key
                                                   : char16_t{0},
            (held & Qt::ControlModifier) != 0, (held & Qt::ShiftModifier) != 0,
            (held & Qt::AltModifier) != 0};
}

inline QKeySequence SequenceOf(KeyStroke stroke) {
    const int key = stroke.key == kBackspaceKey ? int{Qt::Key_Backspace}
                    : stroke.key == kInsertKey  ? int{Qt::Key_Insert}
                    : stroke.key == kF1Key      ? int{Qt::Key_F1}
                                                : int{stroke.key};
    return QKeySequence(key | (stroke.ctrl ? int{Qt::CTRL} : 0) |
                        (stroke.shift ? int{Qt::SHIFT} : 0) | (stroke.alt ? int{Qt::ALT} : 0));
}

// Tab through a window's controls, made in its design table's places, in the table's tab order,
// past those that take no focus.
template <typename Control, std::size_t N>
void SetTabOrder(const std::array<Control, N>& design, const std::array<QWidget*, N>& made) {
    QWidget* previous = nullptr;
    for (const std::size_t place : TabOrder(design)) {
        if (made[place]->focusPolicy() != Qt::NoFocus) {
            if (previous) {
                QWidget::setTabOrder(previous, made[place]);
            }
            previous = made[place];
        }
    }
}

} // namespace qev
