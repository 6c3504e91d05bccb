// Board controls placed in twips, painted with their background colour and classic edge.
#include "ui/game/BoardControl.h"

#include "ui/common/ColorSymbols.h"
#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"

#include <QPainter>

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
        // takes input or not. Each line is a one-pixel rectangle: a line drawn through whole
        // coordinates would miss the edge pixels on a scaled screen and leave a stripe of the
        // background colour outside the edge.
        const QColor shadow = palette().color(QPalette::Active, QPalette::Shadow);
        const QColor dark = palette().color(QPalette::Active, QPalette::Dark);
        const QColor light = palette().color(QPalette::Active, QPalette::Light);
        const QColor midlight = palette().color(QPalette::Active, QPalette::Midlight);
        const int w = area.width();
        const int h = area.height();
        painter.fillRect(QRect(0, 0, w - 1, 1), dark);
        painter.fillRect(QRect(0, 0, 1, h - 1), dark);
        painter.fillRect(QRect(1, 1, w - 3, 1), shadow);
        painter.fillRect(QRect(1, 1, 1, h - 3), shadow);
        painter.fillRect(QRect(0, h - 1, w, 1), light);
        painter.fillRect(QRect(w - 1, 0, 1, h), light);
        painter.fillRect(QRect(1, h - 2, w - 2, 1), midlight);
        painter.fillRect(QRect(w - 2, 1, 1, h - 2), midlight);
        inside = QRectF(area).adjusted(2, 2, -2, -2);
    }
    if (carriesColorSymbol_)
        paintColorSymbolOf(painter, backColor_, inside);
    paintContent(painter, inside);
}

void BoardControl::paintContent(QPainter&, const QRectF&) {}

} // namespace kestrelink::ui
