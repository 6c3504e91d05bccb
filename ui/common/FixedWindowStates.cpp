// Answers a maximised or full-screen state on a fixed-size window. By the time the window hears
// of the state, Qt has acknowledged it and kept the window at its fixed size, and the next frame
// drawn at that size contradicts the acknowledged state: a strict compositor ends the
// connection for it. Asking for the normal state instead is not enough, since such a compositor
// compares the request with the state last drawn, which is still normal, and sends nothing
// back. So the window draws nothing once it is told, and is taken off the screen and shown
// again in the normal state: a window that is mapped anew starts from the compositor's first,
// normal configuration.
#include "ui/common/FixedWindowStates.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace kestrelink::ui {

namespace {

constexpr Qt::WindowStates kGrown = Qt::WindowMaximized | Qt::WindowFullScreen;
constexpr char kHeld[] = "kestrelinkHeldOutOfGrownState";

bool isFixedWindow(const QWidget& widget) {
    return widget.isWindow() && widget.minimumSize() == widget.maximumSize();
}

void showAgainNormal(QWidget& window) {
    window.hide();
    window.setWindowState(window.windowState() & ~kGrown);
    window.setProperty(kHeld, false);
    window.setUpdatesEnabled(true);
    // A modal box has been answered by being hidden, as by Escape; it stays closed.
    if (qobject_cast<QDialog*>(&window) != nullptr && window.testAttribute(Qt::WA_ShowModal))
        return;
    window.show();
}

void hold(QWidget& window) {
    if (window.property(kHeld).toBool())
        return;
    window.setProperty(kHeld, true);
    window.setUpdatesEnabled(false);
    // Not from inside the platform's own handling of the state.
    QTimer::singleShot(0, &window, [target = &window] { showAgainNormal(*target); });
}

class FixedWindowStates : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowStateChange && watched->isWidgetType()) {
            auto& widget = *static_cast<QWidget*>(watched);
            if (isFixedWindow(widget) && widget.isVisible() && (widget.windowState() & kGrown))
                hold(widget);
        }
        return false;
    }
};

} // namespace

void keepFixedWindowsNormal() {
    static QPointer<FixedWindowStates> installed;
    if (installed != nullptr || QCoreApplication::instance() == nullptr)
        return;
    installed = new FixedWindowStates(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(installed);
}

} // namespace kestrelink::ui
