// The colours the windows are designed with, kept whatever the desktop's theme: a dark or
// high-contrast system palette must not hide the cables, the PCs or the texts.
#pragma once

#include <QPalette>

class QWidget;

namespace kestrelink::ui {

// The light desktop palette of Qt's own Fusion style (button face, window text, text boxes
// white with black text), every role of every group set.
const QPalette& designPalette();

// Gives `window` and everything in it the design palette; the desktop's palette, now or
// later, reaches none of its controls. Message and input boxes are windows of their own and
// still follow the desktop.
void applyDesignPalette(QWidget& window);

} // namespace kestrelink::ui
