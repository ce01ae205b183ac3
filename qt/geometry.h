// The shared design's twips, texts and colours as Qt takes them. Qt's high-DPI scaling takes the
// design's 96-dpi pixels on to the screen.
#pragma once

#include "ui/link_look.h"
#include "ui/twips.h"

#include <QColor>
#include <QPalette>
#include <QRect>
#include <QString>

#include <cstdint>
#include <string_view>

namespace qev {

inline QRect PixelRect(const TwipsRect& twips) {
    return {TwipsToPixels(twips.left), TwipsToPixels(twips.top), TwipsToPixels(twips.width),
            TwipsToPixels(twips.height)};
}

inline QString Q(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// A design colour, 0x00BBGGRR or a system colour; the only system colour in the designs is the
// button text's.
inline QColor QtColour(std::uint32_t colour, const QPalette& palette) {
    if (colour & kSystemColour) {
        return palette.color(QPalette::ButtonText);
    }
    return QColor(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff);
}

} // namespace qev
