// The cable segments, painted beneath the connectors; only the strips that change repaint.
#include "ui/game/CableLayer.h"

#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"

#include <QPaintEvent>
#include <QPainter>

namespace kestrelink::ui {

CableLayer::CableLayer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TheCable"));
    // Lines take no mouse events and are no drop targets: everything goes to what lies beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QRect CableLayer::footprint(const Segment& segment) const {
    // The line's bounding box, widened by the pen and its round caps.
    const QLineF line = toPixelLine(segment.line);
    const QRectF box = QRectF(line.p1(), line.p2()).normalized();
    const qreal margin = kLineWidth;
    return box.adjusted(-margin, -margin, margin, margin).toAlignedRect();
}

void CableLayer::setSegmentCount(int count) {
    segments_.resize(static_cast<std::size_t>(count));
    update();
}

void CableLayer::setLine(int i, const TwipLine& line) {
    Segment& segment = at(segments_, i);
    if (segment.line == line)
        return;
    if (segment.visible)
        update(footprint(segment));
    segment.line = line;
    if (segment.visible)
        update(footprint(segment));
}

void CableLayer::setColor(int i, Color color) {
    Segment& segment = at(segments_, i);
    if (segment.color == color)
        return;
    segment.color = color;
    if (segment.visible)
        update(footprint(segment));
}

void CableLayer::setSegmentVisible(int i, bool visible) {
    Segment& segment = at(segments_, i);
    if (segment.visible == visible)
        return;
    segment.visible = visible;
    update(footprint(segment));
}

void CableLayer::paintEvent(QPaintEvent* event) {
    // Solid, unsmoothed lines with square ends: crisp cables whose corners close.
    QPainter painter(this);
    for (const Segment& segment : segments_) {
        if (!segment.visible || !event->region().intersects(footprint(segment)))
            continue;
        painter.setPen(
            QPen(toQColor(segment.color), kLineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawLine(toPixelLine(segment.line));
    }
}

} // namespace kestrelink::ui
