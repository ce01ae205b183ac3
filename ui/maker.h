// The maker of the program, as the status bar and the statement window name it.
#pragma once

#include <string_view>

namespace qev {

inline constexpr std::u16string_view kMakerWebAddress = u"www.kestrune.com";
// Plain ASCII: the Windows shell takes it in the system code page.
inline constexpr const char* kMakerHomePage = "http://www.kestrune.com/index.html";

} // namespace qev
