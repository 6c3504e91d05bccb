// The keyboard focus ring around a board connector.
#include "ui/game/FocusRing.h"

#include "ui/common/Accessibility.h"

#include <QPainter>

namespace kestrelink::ui {

FocusRing::FocusRing(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("focusRing"));
    // Only a look: the mouse and drops go to what lies beneath, and a screen reader hears of
    // the focus from the connector itself.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    accessibility::leaveOut(*this);
    hide();
}

void FocusRing::follow(QWidget* target) {
    target_ = target;
    refresh();
}

void FocusRing::refresh() {
    if (target_.isNull() || !target_->isVisible()) {
        hide();
        return;
    }
    constexpr int margin = kGap + kWidth;
    setGeometry(target_->geometry().adjusted(-margin, -margin, margin, margin));
    // The region is a ring, so whatever lies inside it is left as it is.
    setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(kWidth, kWidth, -kWidth, -kWidth))));
    raise();
    show();
    update();
}

void FocusRing::paintEvent(QPaintEvent*) {
    // The mask leaves only the ring; a pixel's gap parts it from the connector, so it shows
    // whatever the connector's colour.
    QPainter(this).fillRect(rect(), palette().color(QPalette::Active, QPalette::Highlight));
}

} // namespace kestrelink::ui
