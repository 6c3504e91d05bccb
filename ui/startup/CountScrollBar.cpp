// Qt inverts a scroll bar's keys so that a vertical bar follows the page; on a horizontal count
// that makes Left count up and Right count down. Here the keys follow the bar's arrows again,
// and the wheel keeps Qt's direction.
#include "ui/startup/CountScrollBar.h"

#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStyleOptionSlider>
#include <QStylePainter>

namespace kestrelink::ui {

CountScrollBar::CountScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}

void CountScrollBar::keyPressEvent(QKeyEvent* event) {
    const bool unmodified = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (unmodified) {
        switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            triggerAction(SliderSingleStepSub);
            event->accept();
            return;
        case Qt::Key_Right:
        case Qt::Key_Down:
            triggerAction(SliderSingleStepAdd);
            event->accept();
            return;
        default:
            break;
        }
    }
    QScrollBar::keyPressEvent(event);
}

void CountScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    // The focus frame goes round the thumb, where the classic bar showed it.
    QStyleOptionSlider bar;
    initStyleOption(&bar);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = style()
                     ->subControlRect(QStyle::CC_ScrollBar, &bar, QStyle::SC_ScrollBarSlider, this)
                     .adjusted(1, 1, -1, -1);
    QStylePainter painter(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

} // namespace kestrelink::ui
