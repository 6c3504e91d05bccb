#include "ui/game/ArrowNeighbour.h"

#include <QPointF>
#include <cmath>

namespace kestrelink::ui {

namespace {

QPointF direction(int key) {
    switch (key) {
    case Qt::Key_Left:
        return {-1, 0};
    case Qt::Key_Right:
        return {1, 0};
    case Qt::Key_Up:
        return {0, -1};
    case Qt::Key_Down:
        return {0, 1};
    default:
        return {0, 0};
    }
}

} // namespace

bool isArrowKey(int key) {
    return direction(key) != QPointF(0, 0);
}

std::optional<std::size_t> arrowNeighbour(const QRect& from, const std::vector<QRect>& candidates,
                                          int key) {
    const QPointF way = direction(key);
    const QPointF start = QRectF(from).center();
    std::optional<std::size_t> best;
    double bestCost = 0;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const QPointF offset = QRectF(candidates[i]).center() - start;
        const double along = QPointF::dotProduct(offset, way);
        if (along <= 0)
            continue;
        const double across = std::abs(offset.x() * way.y() - offset.y() * way.x());
        const double cost = along + 2 * across;
        if (!best || cost < bestCost) {
            best = i;
            bestCost = cost;
        }
    }
    return best;
}

} // namespace kestrelink::ui
