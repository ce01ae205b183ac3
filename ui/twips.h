// Places and sizes in the windows' designs are in twips, 1/1440 inch: 15 to a pixel at 96 dots
// per inch. Each front end takes them to its screen: Qt's high-DPI scaling from 96-dpi logical
// pixels, the Windows program by its window's own DPI.
#pragma once

namespace qev {

inline constexpr int kTwipsPerInch = 1440;

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Rounded to the nearest pixel; at 96 dpi no design value lies exactly halfway.
constexpr int TwipsToPixels(int twips, int dpi = 96) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>((scaled + (scaled < 0 ? -kTwipsPerInch : kTwipsPerInch) / 2) /
                            kTwipsPerInch);
}

constexpr int PixelsToTwips(int pixels, int dpi = 96) {
    return static_cast<int>(static_cast<long long>(pixels) * kTwipsPerInch / dpi);
}

} // namespace qev
