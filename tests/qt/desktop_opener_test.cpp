// The home page goes to the desktop's own handler for web addresses: on Linux desktops the
// xdg-open on the PATH, here a stand-in that notes what it is given. On an X display, where Qt
// hands addresses to it.
#include "ui/open_home_page.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class DesktopOpenerTest : public QObject {
    Q_OBJECT

private slots:
    void homePageGoesToXdgOpen() {
        const QTemporaryDir bin;
        QFile xdgOpen(bin.filePath("xdg-open"));
        QVERIFY(xdgOpen.open(QIODevice::WriteOnly));
        xdgOpen.write("#!/bin/sh\necho \"$@\" >> \"$0.calls\"\n");
        xdgOpen.close();
        xdgOpen.setPermissions(xdgOpen.permissions() | QFileDevice::ExeOwner);
        qputenv("PATH", bin.path().toLocal8Bit() + ':' + qgetenv("PATH"));
        qev::OpenHomePage(0);
        QFile calls(xdgOpen.fileName() + ".calls");
        QTRY_VERIFY(calls.size() > 0);
        QVERIFY(calls.open(QIODevice::ReadOnly));
        QCOMPARE(calls.readAll(), "http://www.kestrune.com/index.html\n");
    }
};

QTEST_MAIN(DesktopOpenerTest)
#include "desktop_opener_test.moc"
