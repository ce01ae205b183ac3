#include "ui/open_home_page.h"

#include <QDesktopServices>
#include <QProcess>
#include <QString>
#include <QUrl>

namespace qev {

// The desktop's handler for web addresses, xdg-open, whose exit status says whether a browser
// took the page; where there is none, Qt's own way, whose result says as much as it knows.
void SystemShellOpen(NativeWindow, const char* address, const OpenFailed& failed) {
    // No parent, and not ended with the program: it may have become the browser itself.
    auto* opener = new QProcess;
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, failed](int code, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || code != 0) {
                             failed();
                         }
                         opener->deleteLater();
                     });
    QObject::connect(
        opener, &QProcess::errorOccurred, opener,
        [opener, failed, url = QUrl(QString::fromLatin1(address))](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) {
                if (!QDesktopServices::openUrl(url)) {
                    failed();
                }
                opener->deleteLater();
            }
        });
    opener->start("xdg-open", {QString::fromLatin1(address)});
}

} // namespace qev
