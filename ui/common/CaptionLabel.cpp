// Captions with carriage returns, shown line by line.
#include "ui/common/CaptionLabel.h"

namespace kestrelink::ui {

CaptionLabel::CaptionLabel(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAttribute(Qt::WA_NoMousePropagation);
}

void CaptionLabel::setCaption(const QString& caption) {
    caption_ = caption;
    QString shown = caption;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setText(shown);
}

} // namespace kestrelink::ui
