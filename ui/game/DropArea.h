// The label around a PC connector that takes a dropped cable connector. It reports the drag's
// enter, move and leave, and the drop, with the index of the dragged connector; drags that carry
// anything else are refused here.
#pragma once

#include "ui/game/BoardControl.h"

#include <optional>

namespace kestrelink::ui {

class DropArea : public BoardControl {
    Q_OBJECT
public:
    enum DragState { Enter = 0, Leave = 1, Over = 2 };

    DropArea(int index, quint64 windowToken, QWidget* parent);

signals:
    void dragOver(int index, int sourceIndex, int state);
    void dropped(int index, int sourceIndex);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The dragged connector's index, the event accepted, if the drag carries one of this
    // window's connectors; otherwise the event is refused.
    std::optional<int> takeIfOwn(QDropEvent* event) const;

    quint64 windowToken_;
    // The connector whose drag entered last, for the leave notification (which carries none).
    int draggedIndex_ = -1;
};

} // namespace kestrelink::ui
