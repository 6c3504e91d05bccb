// A picture control showing the computer pictogram; it takes no input and no focus.
#include "ui/common/ComputerPicture.h"

#include "ui/common/Pictograms.h"

#include <QPainter>

namespace kestrelink::ui {

ComputerPicture::ComputerPicture(QWidget* parent, const QColor& ink) : QWidget(parent), ink_(ink) {
    setFocusPolicy(Qt::NoFocus);
}

void ComputerPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintComputer(painter, QRectF(rect()), ink_);
}

} // namespace kestrelink::ui
