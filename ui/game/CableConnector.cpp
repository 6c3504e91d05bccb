// Cable connectors: a left press drags at once, a right click sends the connector home.
#include "ui/game/CableConnector.h"

#include "ui/common/ColorSymbols.h"
#include "ui/common/Fonts.h"
#include "ui/game/CableConnectorDrag.h"

#include <QDrag>
#include <QMouseEvent>
#include <QPainter>

namespace kestrelink::ui {

CableConnector::CableConnector(int index, quint64 windowToken, QWidget* parent)
    : BoardControl(index, Border::Sunken, parent), windowToken_(windowToken) {
    setObjectName(QStringLiteral("TheCableConnector%1").arg(index));
    setCarriesColorSymbol(true);
}

QPixmap CableConnector::dragPicture() const {
    const qreal ratio = devicePixelRatioF();
    QPixmap picture(size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
        // The symbol alone could vanish against the board, as white ink on the light face would.
        if (colorSymbolsShown()) {
            const QRectF patch = QRectF(rect()).adjusted(2, 2, -2, -2);
            painter.fillRect(patch, toQColor(backColor()));
            paintColorSymbolOf(painter, backColor(), patch);
        }
    }
    return picture;
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
    // The connector stays put; only its picture follows the pointer, held where it was grabbed.
    auto* drag = new QDrag(this);
    drag->setMimeData(encodeCableConnectorDrag(windowToken_, index()));
    drag->setPixmap(dragPicture());
    drag->setHotSpot(grabbedAt);
    drag->exec(Qt::MoveAction);
}

} // namespace kestrelink::ui
