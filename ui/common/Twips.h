// The one place where twips become logical pixels: 15 twips per pixel. Qt scales logical pixels
// to device pixels, so the board stays sharp on HiDPI screens.
#pragma once

#include "game/TwipGeometry.h"

#include <QLineF>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

namespace kestrelink::ui {

inline constexpr double kTwipsPerPixel = 15.0;

inline double toPixels(double twips) {
    return twips / kTwipsPerPixel;
}
inline double toTwips(double pixels) {
    return pixels * kTwipsPerPixel;
}

// Widgets sit on whole pixels; the board's positions are multiples of 15 twips, so nothing is
// lost for them.
inline int toWholePixels(double twips) {
    return qRound(twips / kTwipsPerPixel);
}

inline QRect toPixelRect(const TwipRect& r) {
    const int left = toWholePixels(r.left);
    const int top = toWholePixels(r.top);
    return {left, top, toWholePixels(r.left + r.width) - left,
            toWholePixels(r.top + r.height) - top};
}

inline QRect toPixelRect(double left, double top, double width, double height) {
    return toPixelRect(TwipRect{static_cast<float>(left), static_cast<float>(top),
                                static_cast<float>(width), static_cast<float>(height)});
}

inline QSize toPixelSize(double width, double height) {
    return {toWholePixels(width), toWholePixels(height)};
}

inline QPointF toPixelPoint(double x, double y) {
    return {toPixels(x), toPixels(y)};
}

inline QLineF toPixelLine(const TwipLine& l) {
    return {toPixels(l.x1), toPixels(l.y1), toPixels(l.x2), toPixels(l.y2)};
}

inline TwipPoint toTwipPoint(const QPointF& p) {
    return {static_cast<float>(toTwips(p.x())), static_cast<float>(toTwips(p.y()))};
}

} // namespace kestrelink::ui
