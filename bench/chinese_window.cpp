// The start-up benchmark's second yardstick: the least window that draws Chinese as the program
// does, one label and one line edit in the song face with its stand-ins installed, so that it
// finds and loads a CJK font as any window showing Chinese must. The main window's client size.
#include "qt/fonts.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    qev::InstallSongFaceSubstitutes();
    QWidget window;
    window.setFont(qev::SongFont());
    window.resize(544, 218);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("输入金额：")));
    layout->addWidget(new QLineEdit(QStringLiteral("壹仟贰佰叁拾肆元伍角")));
    window.show();
    return QApplication::exec();
}
