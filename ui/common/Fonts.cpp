// The dialog font in a face Linux has, and board colours as QColors.
#include "ui/common/Fonts.h"

#include "ui/common/DesignPalette.h"
#include "ui/common/Twips.h"

namespace kestrelink::ui {

QFont dialogFont(double points, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")});
    // One point is 20 twips.
    font.setPixelSize(qMax(1, qRound(toPixels(points * 20.0))));
    font.setBold(bold);
    return font;
}

QColor toQColor(Color color) {
    // The system colours are those of the design palette, not of the desktop's theme.
    if (color == kButtonFace)
        return designPalette().color(QPalette::Button);
    if (color == kMenuBar)
        return designPalette().color(QPalette::Window);
    return {redOf(color), greenOf(color), blueOf(color)};
}

} // namespace kestrelink::ui
