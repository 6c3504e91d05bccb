// Board controls that show one of the program's pictograms: the PCs (a disabled box with a
// desktop computer) and the smiling and frowning faces.
#pragma once

#include "ui/game/BoardControl.h"

namespace kestrelink::ui {

class PcPicture : public BoardControl {
    Q_OBJECT
public:
    PcPicture(int index, QWidget* parent);

protected:
    void paintContent(QPainter& painter, const QRectF& inside) override;
};

class FaceLabel : public BoardControl {
    Q_OBJECT
public:
    FaceLabel(const QString& name, bool smiling, Color ink, QWidget* parent);

protected:
    void paintContent(QPainter& painter, const QRectF& inside) override;

private:
    bool smiling_;
    Color ink_;
};

} // namespace kestrelink::ui
