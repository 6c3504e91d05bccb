// Keeps a window's outer size, frame included, at a size given in twips. The window manager's
// frame is known only once the window is mapped; it then takes its room from the client area,
// and the window is centred again.
#pragma once

#include <QObject>
#include <QSize>
#include <functional>

class QWidget;

namespace kestrelink::ui {

class FixedOuterSize : public QObject {
    Q_OBJECT
public:
    // `resized` runs after every change of the client size this makes.
    FixedOuterSize(QWidget& window, std::function<void()> resized);

    // Fixes the outer size now, with the frame as far as it is known.
    void setOuterSize(float widthTwips, float heightTwips);
    // The outer size as the platform made it.
    float outerWidthTwips() const;
    float outerHeightTwips() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();
    bool frameChanged() const;

    QWidget& window_;
    std::function<void()> resized_;
    float widthTwips_ = 0;
    float heightTwips_ = 0;
    QSize appliedFrame_{-1, -1};
};

} // namespace kestrelink::ui
