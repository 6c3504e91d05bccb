// Board controls placed in twips, painted with their background colour and classic edge.
#include "ui/game/BoardControl.h"

#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"

#include <QPainter>
#include <QStyleOptionFrame>

namespace kestrelink::ui {

BoardControl::BoardControl(int index, Border border, QWidget* parent)
    : QWidget(parent), index_(index), border_(border) {
    // Events over the board are never passed on from one control to its parent: what lies
    // beneath is the window's business, and only disabled controls let input through.
    setAttribute(Qt::WA_NoMousePropagation);
}

void BoardControl::setTwipRect(const TwipRect& rect) {
    twips_ = rect;
    setGeometry(toPixelRect(twips_));
}

void BoardControl::setTwipLeft(float left) {
    twips_.left = left;
    setGeometry(toPixelRect(twips_));
}

void BoardControl::setTwipTop(float top) {
    twips_.top = top;
    setGeometry(toPixelRect(twips_));
}

void BoardControl::setBackColor(Color color) {
    if (color == backColor_)
        return;
    backColor_ = color;
    update();
}

void BoardControl::setPassesInputThrough(bool passes) {
    setAttribute(Qt::WA_TransparentForMouseEvents, passes);
    setEnabled(!passes);
}

void BoardControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, toQColor(backColor_));
    QRectF inside = area;
    if (border_ == Border::Sunken) {
        // The classic two-pixel sunken edge of a picture box, the same whether the control
        // takes input or not.
        const QColor shadow = palette().color(QPalette::Active, QPalette::Shadow);
        const QColor dark = palette().color(QPalette::Active, QPalette::Dark);
        const QColor light = palette().color(QPalette::Active, QPalette::Light);
        const QColor midlight = palette().color(QPalette::Active, QPalette::Midlight);
        const int r = area.right();
        const int b = area.bottom();
        painter.setPen(dark);
        painter.drawLine(0, 0, r - 1, 0);
        painter.drawLine(0, 0, 0, b - 1);
        painter.setPen(shadow);
        painter.drawLine(1, 1, r - 2, 1);
        painter.drawLine(1, 1, 1, b - 2);
        painter.setPen(light);
        painter.drawLine(0, b, r, b);
        painter.drawLine(r, 0, r, b);
        painter.setPen(midlight);
        painter.drawLine(1, b - 1, r - 1, b - 1);
        painter.drawLine(r - 1, 1, r - 1, b - 1);
        inside = QRectF(area).adjusted(2, 2, -2, -2);
    }
    paintContent(painter, inside);
}

void BoardControl::paintContent(QPainter&, const QRectF&) {}

} // namespace kestrelink::ui
