// A push button whose caption wraps onto several lines, centred both ways, as the large
// website buttons need.
#pragma once

#include <QPushButton>

namespace kestrelink::ui {

class WrappedTextButton : public QPushButton {
    Q_OBJECT
public:
    explicit WrappedTextButton(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kestrelink::ui
