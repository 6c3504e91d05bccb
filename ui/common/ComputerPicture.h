// The picture of a desktop PC that decorates the start-up and help windows, drawn to fill
// whatever size the control is given.
#pragma once

#include <QColor>
#include <QWidget>

namespace kestrelink::ui {

class ComputerPicture : public QWidget {
    Q_OBJECT
public:
    explicit ComputerPicture(QWidget* parent = nullptr, const QColor& ink = Qt::black);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor ink_;
};

} // namespace kestrelink::ui
