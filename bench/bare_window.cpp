// The start-up benchmark's yardstick: a bare Qt window, a plain QWidget of the main window's
// client size, started as the program starts its window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(544, 218);
    window.show();
    return QApplication::exec();
}
