// The song face in which the windows' Chinese texts are designed, and its stand-ins.
#pragma once

#include <QFont>

namespace qev {

// Maps SimSun (宋体) to installed song faces of the same metrics where SimSun itself is missing.
// Call once, after the application object exists and before any window is built.
void InstallSongFaceSubstitutes();

// "宋体" 10.5 pt, normal weight.
QFont SongFont();

} // namespace qev
