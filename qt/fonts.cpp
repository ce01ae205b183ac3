#include "qt/fonts.h"

#include <QStringList>

namespace qev {

void InstallSongFaceSubstitutes() {
    // AR PL UMing has SimSun's metrics (14-pixel lines and full-width glyphs at 10.5 pt), so the
    // design's label rectangles fit it; the others only keep the texts legible.
    const QStringList standIns = {"AR PL UMing CN",   "AR PL UMing TW",    "Noto Serif CJK SC",
                                  "Noto Sans CJK SC", "WenQuanYi Zen Hei", "Droid Sans Fallback"};
    QFont::insertSubstitutions("SimSun", standIns);
    QFont::insertSubstitutions("宋体", standIns);
}

QFont SongFont(qreal points) {
    QFont font("SimSun");
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace qev
