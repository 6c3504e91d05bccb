// The frame that shows which of the board's connectors has the keyboard focus. It is drawn
// around the connector, over what lies beside it, so that the connector itself and the board
// without focus look exactly as they always did.
#pragma once

#include <QPointer>
#include <QWidget>

namespace kestrelink::ui {

class FocusRing : public QWidget {
    Q_OBJECT
public:
    // Pixels between the connector's edge and the ring, and the ring's width.
    static constexpr int kGap = 1;
    static constexpr int kWidth = 2;

    explicit FocusRing(QWidget* parent);

    // Rings `target`, or hides the ring when there is none.
    void follow(QWidget* target);
    // Puts the ring back around its connector after the connector moved or showed.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointer<QWidget> target_;
};

} // namespace kestrelink::ui
