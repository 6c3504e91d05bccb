// The fixed single border, icon and centring that every window of the game shares.
#include "ui/common/WindowFrame.h"

#include "ui/common/Pictograms.h"
#include "ui/common/Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace kestrelink::ui {

void applyFixedSingleBorder(QWidget& window, const QSize& clientSize) {
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
    window.setWindowIcon(windowIcon());
    window.setFixedSize(clientSize);
}

QSize frameExtent(const QWidget& window) {
    if (!window.isVisible())
        return {0, 0};
    return window.frameGeometry().size() - window.geometry().size();
}

void placeControl(QWidget* control, const char* name, double left, double top, double width,
                  double height) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(toPixelRect(left, top, width, height));
}

void centreOnScreen(QWidget& window) {
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QSize outer = window.size() + frameExtent(window);
    const QRect available = screen->availableGeometry();
    window.move(available.x() + (available.width() - outer.width()) / 2,
                available.y() + (available.height() - outer.height()) / 2);
}

} // namespace kestrelink::ui
