// Qt's disabled buttons swallow mouse events instead of letting them fall through to what lies
// beneath, so a player clicking a locked setting would get no answer. Every child of the frame is
// made transparent to the mouse while it is disabled: the press and release then reach the
// frame itself, which turns them into one click.
#include "ui/startup/SettingsFrame.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QMouseEvent>

namespace kestrelink::ui {

namespace {

// Qt's image reader, asked for a file it reads itself (a PNG), first loads every image plugin
// it can find to ask whether one of them wants the file. Under this guard it finds none and
// reads the file with its own reader; the plugins stay where they are for anything later.
class ImagePluginsOutOfSight {
public:
    ImagePluginsOutOfSight() : folders_(QCoreApplication::libraryPaths()) {
        QCoreApplication::setLibraryPaths({});
    }
    ~ImagePluginsOutOfSight() { QCoreApplication::setLibraryPaths(folders_); }
    ImagePluginsOutOfSight(const ImagePluginsOutOfSight&) = delete;
    ImagePluginsOutOfSight& operator=(const ImagePluginsOutOfSight&) = delete;

private:
    QStringList folders_;
};

} // namespace

// The font comes first: a group box measures its title as soon as it has one, and before its
// own font it would shape the title in the desktop's font for nothing.
SettingsFrame::SettingsFrame(const QString& title, const QFont& font, QWidget* parent)
    : QGroupBox(parent) {
    setFont(font);
    setTitle(title);
}

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

// Qt's Fusion style draws a group box's frame from a PNG image of its own, read on the first
// paint and kept in Qt's pixmap cache after that (where the game window's frame finds it too).
// Read in the usual way, it would load four image plugins, and the SVG and JPEG libraries behind
// two of them, into every start of the game for the frame of its first window. Nothing else a
// group box draws needs a plugin.
void SettingsFrame::paintEvent(QPaintEvent* event) {
    if (painted_) {
        QGroupBox::paintEvent(event);
        return;
    }
    painted_ = true;
    const ImagePluginsOutOfSight builtInReadersOnly;
    QGroupBox::paintEvent(event);
}

} // namespace kestrelink::ui
