// QEV英文金额大写转换工具: starts the main window.
#include "qev_version.h"
#include "qt/fonts.h"
#include "qt/form1_qt.h"
#include "qt/translations.h"
#include "ui/form1_design.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QEV_VERSION);
    // Ties the window to its desktop entry and icon on desktops that go by the entry's name.
    QGuiApplication::setDesktopFileName("com.kestrune.qev");
    qev::InstallSongFaceSubstitutes();
    // Every text is Chinese or laid out beside it: in the song face from the start, rather than
    // in the default font first and the song face after (the buttons' font is left open).
    QApplication::setFont(qev::SongFont(qev::form1::kSongFacePoints));
    qev::InstallQtTranslations();
    qev::Form1 window;
    window.show();
    return QApplication::exec();
}
