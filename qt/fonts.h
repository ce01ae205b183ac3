// The song face in which the windows' Chinese texts are designed, and its stand-ins.
#pragma once

#include <QFont>

namespace qev {

// Maps SimSun (宋体) to installed song faces of the same metrics where SimSun itself is missing.
// Call once, after the application object exists and before any window is built.
void InstallSongFaceSubstitutes();

// "宋体" at the given size, normal weight: 10.5 pt in the main window, 9 pt in the statement
// window.
QFont SongFont(qreal points = 10.5);

} // namespace qev
