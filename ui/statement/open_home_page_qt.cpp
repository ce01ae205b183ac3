#include "ui/statement/open_home_page.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace qev {

// The desktop's handler for web addresses; it starts on its own, and its result is not reported.
void SystemShellOpen(NativeWindow, const char*, const char* file, const char*, const char*, int) {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(file)));
}

} // namespace qev
