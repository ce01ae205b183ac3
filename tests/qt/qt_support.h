// Shared by the window tests: controls by their design names, a recorder standing in for the
// desktop shell, so that no test starts a browser, and the statement windows that are open.
#pragma once

#include "qt/form2_qt.h"
#include "ui/open_home_page.h"

#include <QApplication>

// A control by its name in the design: "Label1(2)" is element 2 of the Label1 array.
inline QWidget* Control(const QWidget* window, const QString& name) {
    const QStringList parts = name.split('(');
    for (auto* control : window->findChildren<QWidget*>(parts[0])) {
        if (parts.size() == 1 || control->property("index").toString() + ')' == parts[1]) {
            return control;
        }
    }
    return nullptr;
}

struct ShellCall {
    qev::NativeWindow owner = 0;
    QByteArray address;
    bool operator==(const ShellCall&) const = default;
};

inline QList<ShellCall> shellCalls; // in the order the recorder was given them

inline void RecordShellCall(qev::NativeWindow owner, const char* address, const qev::OpenFailed&) {
    shellCalls.append({owner, address});
}

// A shell with no browser: the page does not open.
inline void FailShellCall(qev::NativeWindow, const char*, const qev::OpenFailed& failed) {
    failed();
}

// The home page opened on behalf of the window `owner`.
inline ShellCall HomePageCall(qev::NativeWindow owner) {
    return {owner, "http://www.kestrune.com/index.html"};
}

inline QList<qev::Form2*> OpenStatementWindows() {
    QList<qev::Form2*> open;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<qev::Form2*>(widget); window && window->isVisible()) {
            open << window;
        }
    }
    return open;
}

// Closes and destroys every statement window, as 确定 does.
inline void CloseStatementWindows() {
    for (qev::Form2* window : OpenStatementWindows()) {
        window->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
