// Drop areas report a connector's drag and drop to the window, and refuse anything else.
#include "ui/game/DropArea.h"

#include "ui/game/CableConnectorDrag.h"

#include <QDragEnterEvent>

namespace kestrelink::ui {

DropArea::DropArea(int index, quint64 windowToken, QWidget* parent)
    : BoardControl(index, Border::None, parent), windowToken_(windowToken) {
    setObjectName(QStringLiteral("ThePcConnectorArea%1").arg(index));
    setAcceptDrops(true);
}

std::optional<int> DropArea::takeIfOwn(QDropEvent* event) const {
    const auto source = decodeCableConnectorDrag(event->mimeData(), windowToken_);
    if (!source) {
        event->ignore();
        return std::nullopt;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    return source;
}

void DropArea::dragEnterEvent(QDragEnterEvent* event) {
    const auto source = takeIfOwn(event);
    draggedIndex_ = source.value_or(-1);
    if (source)
        emit dragOver(index(), *source, Enter);
}

void DropArea::dragMoveEvent(QDragMoveEvent* event) {
    if (const auto source = takeIfOwn(event))
        emit dragOver(index(), *source, Over);
}

void DropArea::dragLeaveEvent(QDragLeaveEvent* event) {
    event->accept();
    if (draggedIndex_ < 0)
        return;
    const int source = draggedIndex_;
    draggedIndex_ = -1;
    emit dragOver(index(), source, Leave);
}

void DropArea::dropEvent(QDropEvent* event) {
    draggedIndex_ = -1;
    if (const auto source = takeIfOwn(event))
        emit dropped(index(), *source);
}

} // namespace kestrelink::ui
