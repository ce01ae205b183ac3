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
    // Then one that finds no browser, as xdg-open says by its status: that is reported.
    void homePageGoesToXdgOpen() {
        const QTemporaryDir bin;
        QFile xdgOpen(bin.filePath("xdg-open"));
        qputenv("PATH", bin.path().toLocal8Bit() + ':' + qgetenv("PATH"));
        for (const int status : {0, 3}) {
            QVERIFY(xdgOpen.open(QIODevice::WriteOnly));
            xdgOpen.write("#!/bin/sh\necho \"$@\" >> \"$0.calls\"\nexit " +
                          QByteArray::number(status) + "\n");
            xdgOpen.close();
            xdgOpen.setPermissions(xdgOpen.permissions() | QFileDevice::ExeOwner);
            QFile calls(xdgOpen.fileName() + ".calls");
            calls.remove();
            bool failed = false;
            qev::OpenHomePage(0, [&failed] { failed = true; });
            QTRY_VERIFY(calls.size() > 0);
            QVERIFY(calls.open(QIODevice::ReadOnly));
            QCOMPARE(calls.readAll(), "http://www.kestrune.com/index.html\n");
            if (status != 0) {
                QTRY_VERIFY(failed);
            } else {
                QTest::qWait(200);
                QVERIFY(!failed);
            }
        }
    }
};

QTEST_MAIN(DesktopOpenerTest)
#include "desktop_opener_test.moc"
