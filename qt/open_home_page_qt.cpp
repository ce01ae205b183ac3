#include "ui/open_home_page.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace qev {

// The desktop's handler for web addresses; it starts on its own, and its result is not reported.
void SystemShellOpen(NativeWindow, const char* address) {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(address)));
}

} // namespace qev
