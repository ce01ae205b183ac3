// Linked into a program for the start-up benchmark only: at the program's first painted window it
// prints the peak resident memory so far, in KiB, and ends the process at once. The program's
// own source is built unchanged; Qt runs this at the application object's construction.
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {

class FirstPaintProbe : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            // The window's paint goes on through its controls and out to the screen; the queued
            // call runs once that is done and the event loop is back.
            QCoreApplication::instance()->removeEventFilter(this);
            QMetaObject::invokeMethod(this, &FirstPaintProbe::Finish, Qt::QueuedConnection);
        }
        return false;
    }

private:
    static void Finish() {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%ld\n", usage.ru_maxrss);
        std::fflush(stdout);
        std::_Exit(0); // no teardown: only the start-up is measured
    }
};

void InstallFirstPaintProbe() {
    QCoreApplication::instance()->installEventFilter(new FirstPaintProbe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFirstPaintProbe)
