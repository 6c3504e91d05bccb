#include "ui/game/CableLayer.h"

#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"

#include <QPainter>

namespace kestrelink::ui {

CableLayer::CableLayer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TheCable"));
    // Lines take no mouse events and are no drop targets: everything goes to what lies beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CableLayer::setSegmentCount(int count) {
    segments_.resize(static_cast<std::size_t>(count));
    update();
}

void CableLayer::setLine(int i, const TwipLine& line) {
    Segment& segment = at(i);
    if (segment.line == line)
        return;
    segment.line = line;
    update();
}

void CableLayer::setColor(int i, Color color) {
    Segment& segment = at(i);
    if (segment.color == color)
        return;
    segment.color = color;
    update();
}

void CableLayer::setSegmentVisible(int i, bool visible) {
    Segment& segment = at(i);
    if (segment.visible == visible)
        return;
    segment.visible = visible;
    update();
}

void CableLayer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Segment& segment : segments_) {
        if (!segment.visible)
            continue;
        painter.setPen(
            QPen(toQColor(segment.color), kLineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawLine(toPixelLine(segment.line));
    }
}

} // namespace kestrelink::ui
