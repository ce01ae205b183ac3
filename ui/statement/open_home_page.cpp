#include "ui/statement/open_home_page.h"

#include "ui/maker.h"

#include <QByteArray>

#ifdef _WIN32
#include <windows.h>
#else
#include <QDesktopServices>
#include <QUrl>
#endif

namespace qev {

namespace {

// SW_SHOWNORMAL. SW_HIDE (0) can leave a browser that the call starts hidden, so that the click
// shows nothing.
constexpr int kShowNormal = 1;

#ifdef _WIN32

void ShellOpen(WId owner, const char* verb, const char* file, const char* parameters,
               const char* directory, int showCommand) {
    using ShellExecuteAFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    // Bound by name at the first call rather than linked at start-up.
    static const auto shellExecute = [] {
        const HMODULE shell32 = LoadLibraryA("shell32.dll");
        const FARPROC address = shell32 ? GetProcAddress(shell32, "ShellExecuteA") : nullptr;
        return reinterpret_cast<ShellExecuteAFunction>(reinterpret_cast<void (*)()>(address));
    }();
    if (shellExecute) {
        // The result is not looked at: a page that does not open is not reported.
        shellExecute(reinterpret_cast<HWND>(owner), verb, file, parameters, directory, showCommand);
    }
}

#else

// The desktop's handler for web addresses; it starts on its own, and its result is not reported.
void ShellOpen(WId, const char*, const char* file, const char*, const char*, int) {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(file)));
}

#endif

ShellOpener currentOpener = &ShellOpen;

} // namespace

ShellOpener SetShellOpener(ShellOpener opener) {
    const ShellOpener previous = currentOpener;
    currentOpener = opener;
    return previous;
}

void OpenHomePage(WId owner) {
    // The shell's single-byte call takes the system code page; both strings are plain ASCII.
    const QByteArray address = kMakerHomePage.toLatin1();
    currentOpener(owner, "open", address.constData(), nullptr, nullptr, kShowNormal);
}

} // namespace qev
