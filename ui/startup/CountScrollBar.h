// The horizontal scroll bar that sets a count: the arrow keys step it by one, left and up
// down, right and down up, as the classic bar does, and it shows when it has the keyboard
// focus.
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
