// A cable connector: a coloured square the player drags with the left button (the drag starts
// at once, with no movement threshold) and sends home with a right-button click.
#pragma once

#include "ui/game/BoardControl.h"

#include <QPixmap>

namespace kestrelink::ui {

class CableConnector : public BoardControl {
    Q_OBJECT
public:
    CableConnector(int index, quint64 windowToken, QWidget* parent);

    // What follows the pointer in a drag: the connector's dotted outline, and with the
    // colour-symbol aid on its colour patch and symbol inside it.
    QPixmap dragPicture() const;

signals:
    // A click that did not start a drag: in practice the right button.
    void clicked(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void startDrag(const QPoint& grabbedAt);

    quint64 windowToken_;
    bool rightPressed_ = false;
};

} // namespace kestrelink::ui
