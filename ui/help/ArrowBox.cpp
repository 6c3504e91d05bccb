// The arrows are drawn rather than typed so that no symbol font has to be installed.
#include "ui/help/ArrowBox.h"

#include "ui/common/Pictograms.h"

#include <QPainter>
#include <algorithm>

namespace kestrelink::ui {

namespace {

// The pair of arrow glyphs is about 1.7 em wide and 0.6 em high.
constexpr double kArrowsWidthEm = 1.7;
constexpr double kArrowsHeightEm = 0.6;

} // namespace

ArrowBox::ArrowBox(const QColor& ink, const QColor& background, double emPixels, QWidget* parent)
    : QFrame(parent), ink_(ink), emPixels_(emPixels) {
    // A text box's sunken border around a grey face.
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, background);
    setPalette(palette);
    setAutoFillBackground(true);
}

void ArrowBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    const QRectF inside(contentsRect());
    const double width = std::min(inside.width(), kArrowsWidthEm * emPixels_);
    const double height = std::min(inside.height(), kArrowsHeightEm * emPixels_);
    QRectF box(0, 0, width, height);
    box.moveCenter(inside.center());
    QPainter painter(this);
    paintDoubleArrow(painter, box, ink_);
}

} // namespace kestrelink::ui
