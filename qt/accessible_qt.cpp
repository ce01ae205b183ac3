#include "qt/accessible_qt.h"

#include "qt/geometry.h"
#include "ui/accessible_names.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QWidget>

namespace qev {

namespace {

constexpr char kLinkProperty[] = "qevLink";

// Qt has a label say it is text or a picture: one that is a link says so.
QAccessibleInterface* LinkInterface(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && widget->property(kLinkProperty).toBool()
               ? new QAccessibleWidget(widget, QAccessible::Link)
               : nullptr;
}

// Tells each showing of the window that the focus is the keyboard's.
class FocusShown : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* window, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            static_cast<QWidget*>(window)->setAttribute(Qt::WA_KeyboardFocusChange);
        }
        return false;
    }
};

} // namespace

void ShowFocusFromTheStart(QWidget* window) {
    window->installEventFilter(new FocusShown(window));
}

void MakeAccessible(QWidget* control, std::string_view window, std::string_view name, int index) {
    const AccessibleControl* entry = AccessibleControlNamed(window, name, index);
    if (!entry) {
        return;
    }
    control->setAccessibleName(Q(entry->name));
    control->setAccessibleDescription(Q(entry->description));
    if (entry->role == AccessibleRole::Link) {
        static const bool installed = (QAccessible::installFactory(&LinkInterface), true);
        control->setProperty(kLinkProperty, installed);
        // A reader already listening may have had the label's interface made as its text was
        // set, before it was a link: made anew, it is one.
        QAccessibleInterface* made = QAccessible::queryAccessibleInterface(control);
        if (made && made->role() != QAccessible::Link) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        }
    }
}

} // namespace qev
