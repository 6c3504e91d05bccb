// Captions with carriage returns, shown line by line.
#include "ui/common/CaptionLabel.h"

#include "ui/common/Accessibility.h"

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
    // Read out, the blanks and blank lines that centre the caption are only noise.
    accessibility::setName(*this, accessibility::withoutPadding(caption));
}

} // namespace kestrelink::ui
