// Places and sizes of the windows' designs are in twips, 15 to a logical pixel; Qt's high-DPI
// scaling takes logical pixels on to the screen.
#pragma once

#include <QRect>

namespace qev {

inline constexpr int kTwipsPerPixel = 15;

// Rounded to the nearest pixel; a design value between pixels never lies exactly halfway.
constexpr int TwipsToPixels(int twips) {
    return (twips + (twips < 0 ? -kTwipsPerPixel : kTwipsPerPixel) / 2) / kTwipsPerPixel;
}

constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

} // namespace qev
