// Qt's disabled buttons swallow mouse events instead of letting them fall through to what lies
// beneath, so a player clicking a locked setting would get no answer. Every child of the frame is
// made transparent to the mouse while it is disabled: the press and release then reach the
// frame itself, which turns them into one click.
#include "ui/startup/SettingsFrame.h"

#include <QChildEvent>
#include <QMouseEvent>

namespace kestrelink::ui {

SettingsFrame::SettingsFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void SettingsFrame::childEvent(QChildEvent* event) {
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
    QGroupBox::childEvent(event);
}

bool SettingsFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        if (auto* child = qobject_cast<QWidget*>(watched))
            child->setAttribute(Qt::WA_TransparentForMouseEvents, !child->isEnabled());
    }
    return QGroupBox::eventFilter(watched, event);
}

void SettingsFrame::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QGroupBox::mousePressEvent(event);
        return;
    }
    pressed_ = true;
    event->accept();
}

void SettingsFrame::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QGroupBox::mouseReleaseEvent(event);
        return;
    }
    const bool click = pressed_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit frameClicked();
}

} // namespace kestrelink::ui
