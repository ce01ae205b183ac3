// QEV英文金额大写转换工具: starts the main window.
#include "ui/qt/fonts.h"
#include "ui/main/form1_qt.h"
#include "ui/qt/translations.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QEV_VERSION);
    // Ties the window to its desktop entry and icon on desktops that go by the entry's name.
    QGuiApplication::setDesktopFileName("com.kestrune.qev");
    qev::InstallSongFaceSubstitutes();
    qev::InstallQtTranslations();
    qev::Form1 window;
    window.show();
    return QApplication::exec();
}
