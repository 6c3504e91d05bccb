// A label whose caption may hold carriage returns, shown as line breaks.
#pragma once

#include <QLabel>

namespace kestrelink::ui {

class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(const QString& name, QWidget* parent);
    // The caption as it was set, carriage returns included; a screen reader reads it without
    // the padding.
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);

private:
    QString caption_;
};

} // namespace kestrelink::ui
