// A window's outer size held in twips while its frame comes and goes.
#include "ui/common/FixedOuterSize.h"

#include "ui/common/Twips.h"
#include "ui/common/WindowFrame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace kestrelink::ui {

FixedOuterSize::FixedOuterSize(QWidget& window, std::function<void()> resized)
    : QObject(&window), window_(window), resized_(std::move(resized)) {
    window_.installEventFilter(this);
}

void FixedOuterSize::setOuterSize(float widthTwips, float heightTwips) {
    widthTwips_ = widthTwips;
    heightTwips_ = heightTwips;
    apply();
}

void FixedOuterSize::apply() {
    const QSize frame = frameExtent(window_);
    appliedFrame_ = frame;
    window_.setFixedSize(toWholePixels(widthTwips_) - frame.width(),
                         toWholePixels(heightTwips_) - frame.height());
    resized_();
}

bool FixedOuterSize::frameChanged() const {
    return widthTwips_ > 0 && frameExtent(window_) != appliedFrame_;
}

float FixedOuterSize::outerWidthTwips() const {
    return static_cast<float>(toTwips(window_.width() + frameExtent(window_).width()));
}

float FixedOuterSize::outerHeightTwips() const {
    return static_cast<float>(toTwips(window_.height() + frameExtent(window_).height()));
}

bool FixedOuterSize::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_)
        return false;
    if (event->type() == QEvent::Show) {
        // The frame arrives after the window is mapped.
        QTimer::singleShot(0, this, [this] {
            if (frameChanged()) {
                apply();
                centreOnScreen(window_);
            }
        });
    } else if (event->type() == QEvent::Move && window_.isVisible() && frameChanged()) {
        apply();
    }
    return false;
}

} // namespace kestrelink::ui
