// Cable connectors: a left press drags at once, a right click sends the connector home.
#include "ui/game/CableConnector.h"

#include "ui/game/CableConnectorDrag.h"

#include <QDrag>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace kestrelink::ui {

CableConnector::CableConnector(int index, quint64 windowToken, QWidget* parent)
    : BoardControl(index, Border::Sunken, parent), windowToken_(windowToken) {
    setObjectName(QStringLiteral("TheCableConnector%1").arg(index));
}

void CableConnector::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) {
        rightPressed_ = false;
        startDrag(event->position().toPoint());
    } else if (event->button() == Qt::RightButton) {
        rightPressed_ = true;
    }
}

void CableConnector::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool click = event->button() == Qt::RightButton && rightPressed_ &&
                       rect().contains(event->position().toPoint());
    rightPressed_ = false;
    if (click)
        emit clicked(index());
}

void CableConnector::startDrag(const QPoint& grabbedAt) {
    // The connector stays put; only an outline of it follows the pointer, held where it was
    // grabbed.
    const qreal ratio = devicePixelRatioF();
    QPixmap outline(size() * ratio);
    outline.setDevicePixelRatio(ratio);
    outline.fill(Qt::transparent);
    {
        QPainter painter(&outline);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    auto* drag = new QDrag(this);
    drag->setMimeData(encodeCableConnectorDrag(windowToken_, index()));
    drag->setPixmap(outline);
    drag->setHotSpot(grabbedAt);
    drag->exec(Qt::MoveAction);
}

} // namespace kestrelink::ui
