// The design palette: Fusion's light palette, which is also what Qt shows on a desktop that
// sets no theme, so that the windows look the same there as they always did.
#include "ui/common/DesignPalette.h"

#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <memory>

namespace kestrelink::ui {

const QPalette& designPalette() {
    static const QPalette palette = [] {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        QPalette light = fusion ? fusion->standardPalette() : QPalette(QColor(239, 239, 239));
        // Set explicitly, a role is never filled in from the desktop's palette.
        for (int group = 0; group < QPalette::NColorGroups; ++group) {
            for (int role = 0; role < QPalette::NColorRoles; ++role) {
                const auto g = static_cast<QPalette::ColorGroup>(group);
                const auto r = static_cast<QPalette::ColorRole>(role);
                light.setBrush(g, r, light.brush(g, r));
            }
        }
        return light;
    }();
    return palette;
}

void applyDesignPalette(QWidget& window) {
    window.setPalette(designPalette());
}

} // namespace kestrelink::ui
