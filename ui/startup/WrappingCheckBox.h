// A check box whose text wraps inside the control and which toggles wherever it is clicked.
#pragma once

#include <QCheckBox>

namespace kestrelink::ui {

class WrappingCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit WrappingCheckBox(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};

} // namespace kestrelink::ui
