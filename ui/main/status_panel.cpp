#include "ui/main/status_panel.h"

#include <QMouseEvent>

namespace qev {

StatusPanel::StatusPanel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void StatusPanel::mousePressEvent(QMouseEvent* event) {
    // Taken, so the release comes back here rather than to the bar.
    event->setAccepted(event->button() == Qt::LeftButton);
}

void StatusPanel::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a left press and release on the panel; a release dragged off it is no click.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

} // namespace qev
