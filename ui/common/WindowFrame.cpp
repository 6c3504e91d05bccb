// The fixed single border, icon and centring that every window of the game shares.
#include "ui/common/WindowFrame.h"

#include "ui/common/CaptionFrame.h"
#include "ui/common/FixedWindowStates.h"
#include "ui/common/Pictograms.h"
#include "ui/common/Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace kestrelink::ui {

namespace {

bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// The top-level window that stands for `window` on the screen: its own caption frame, if any.
QWidget& outerWindow(QWidget& window) {
    CaptionFrame* frame = CaptionFrame::of(window);
    return frame != nullptr ? static_cast<QWidget&>(*frame) : window;
}

} // namespace

void applyFixedSingleBorder(QWidget& window, const QSize& clientSize) {
    window.setWindowIcon(windowIcon());
    // Qt's own title bar on Wayland offers maximise and minimise whatever the flags say: the
    // window gets a caption of its own instead, and an answer to states it cannot take.
    if (onWayland()) {
        keepFixedWindowsNormal();
        if (window.parentWidget() == nullptr && CaptionFrame::of(window) == nullptr)
            CaptionFrame::wrap(window);
    }
    if (CaptionFrame::of(window) == nullptr)
        window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint);
    window.setFixedSize(clientSize);
}

QSize frameExtent(const QWidget& window) {
    if (CaptionFrame::of(window) != nullptr)
        return CaptionFrame::extent();
    if (!window.isVisible())
        return {0, 0};
    return window.frameGeometry().size() - window.geometry().size();
}

QPoint outerTopLeft(const QWidget& window) {
    const CaptionFrame* frame = CaptionFrame::of(window);
    return (frame != nullptr ? static_cast<const QWidget&>(*frame) : window)
        .frameGeometry()
        .topLeft();
}

void moveOuterTo(QWidget& window, const QPoint& topLeft) {
    outerWindow(window).move(topLeft);
}

void showOnScreen(QWidget& window, QScreen* screen) {
    if (screen != nullptr)
        outerWindow(window).setScreen(screen);
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
    moveOuterTo(window, {available.x() + (available.width() - outer.width()) / 2,
                         available.y() + (available.height() - outer.height()) / 2});
}

} // namespace kestrelink::ui
