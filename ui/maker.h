// The maker of the program, as the status bar and the statement window name it.
#pragma once

#include <QStringView>

namespace qev {

inline constexpr QStringView kMakerWebAddress = u"www.kestrune.com";
inline constexpr QStringView kMakerHomePage = u"http://www.kestrune.com/index.html";

} // namespace qev
