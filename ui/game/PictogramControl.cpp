// The PCs and the faces, drawn with the program's own pictograms.
#include "ui/game/PictogramControl.h"

#include "ui/common/Fonts.h"
#include "ui/common/Pictograms.h"

#include <QPainter>

namespace kestrelink::ui {

namespace {

constexpr Color kPcInk = 0x00404040;

} // namespace

PcPicture::PcPicture(int index, QWidget* parent) : BoardControl(index, Border::None, parent) {
    setObjectName(QStringLiteral("txtThePC%1").arg(index));
    setBackColor(kWhite);
    setPassesInputThrough(true);
}

void PcPicture::paintContent(QPainter& painter, const QRectF& inside) {
    painter.setRenderHint(QPainter::Antialiasing);
    // The pictogram fills the box the way the computer glyph of the classic symbol font does,
    // leaving a margin around it.
    const qreal margin = inside.width() * 0.12;
    paintComputer(painter, inside.adjusted(margin, margin, -margin, -margin), toQColor(kPcInk));
}

FaceLabel::FaceLabel(const QString& name, bool smiling, Color ink, QWidget* parent)
    : BoardControl(0, Border::None, parent), smiling_(smiling), ink_(ink) {
    setObjectName(name);
}

void FaceLabel::paintContent(QPainter& painter, const QRectF& inside) {
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(inside.width(), inside.height()) * 0.86;
    QRectF face(0, 0, side, side);
    face.moveCenter(inside.center());
    paintFace(painter, face, toQColor(ink_), smiling_);
}

} // namespace kestrelink::ui
