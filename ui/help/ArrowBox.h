// The small text box between the two PCs of the help window's picture: two heavy arrows, one
// pointing left and one right, drawn by the program in its text colour on its background.
#pragma once

#include <QColor>
#include <QFrame>

namespace kestrelink::ui {

class ArrowBox : public QFrame {
    Q_OBJECT
public:
    // `emPixels` is the height of the type the arrows stand for; they are drawn in proportion.
    ArrowBox(const QColor& ink, const QColor& background, double emPixels,
             QWidget* parent = nullptr);

    QColor ink() const { return ink_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor ink_;
    double emPixels_;
};

} // namespace kestrelink::ui
