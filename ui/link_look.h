// The statement link's looks, the same in both front ends: its text colour and whether it is
// italic, after each of the pointer's events.
#pragma once

#include <cstdint>

namespace qev {

// Colours as 0x00BBGGRR; with the top bit set, system colour n of the desktop's scheme.
inline constexpr std::uint32_t kSystemColour = 0x80000000;
inline constexpr std::uint32_t kButtonTextColour = kSystemColour | 18;
inline constexpr std::uint32_t kLinkBlue = 0xff0000;
inline constexpr std::uint32_t kLinkRed = 0x0000ff;

// Under a high-contrast theme a fixed colour gives way to the theme's own for its use: the links'
// blue to its links' colour, the pressed link's red to its selection's.
inline constexpr std::uint32_t kHotLightColour = kSystemColour | 26;
inline constexpr std::uint32_t kHighlightColour = kSystemColour | 13;
constexpr std::uint32_t HighContrastColour(std::uint32_t colour) {
    return colour & kSystemColour ? colour
           : colour == kLinkRed   ? kHighlightColour
                                  : kHotLightColour;
}

struct LinkLook {
    std::uint32_t colour = kButtonTextColour;
    bool italic = false;
    bool operator==(const LinkLook&) const = default;
};

// At rest, as designed; after a button release on the link; after the pointer crosses Picture1.
inline constexpr LinkLook kLinkAtRest{};
// The pointer over the link.
inline constexpr LinkLook kLinkHovered{kLinkBlue, true};

// A button pressed on the link: the left one turns it red, keeping its italic; others change
// nothing. Buttons are numbered 1 left, 2 right, 4 middle.
constexpr LinkLook LinkPressed(LinkLook look, int button) {
    return button == 1 ? LinkLook{kLinkRed, look.italic} : look;
}

} // namespace qev
