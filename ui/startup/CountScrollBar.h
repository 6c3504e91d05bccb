// The horizontal scroll bar that sets a count: Left and Up take one off, Right and Down add
// one, as on the classic bar, and it shows when it has the keyboard focus.
#pragma once

#include <QScrollBar>

namespace kestrelink::ui {

class CountScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit CountScrollBar(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kestrelink::ui
