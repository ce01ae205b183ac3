// The clipboard as both windows' presenters read and write it.
#pragma once

#include "qt/geometry.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <optional>
#include <string>
#include <string_view>

namespace qev {

inline std::optional<std::u16string> ClipboardText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText() ? std::optional(data->text().toStdU16String()) : std::nullopt;
}

// The text on the clipboard, and as the selection where the desktop has one, as terminals paste
// it.
inline void SetClipboardText(std::u16string_view text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(Q(text));
    if (clipboard->supportsSelection()) {
        clipboard->setText(Q(text), QClipboard::Selection);
    }
}

} // namespace qev
