// The frame every window of the game has: a fixed single border with a close box and no
// minimize or maximize box, the program's icon, and placement helpers.
#pragma once

#include <QPoint>
#include <QSize>
#include <QWidget>

class QScreen;

namespace kestrelink::ui {

// Fixed border, close box only, the window icon. The client size is fixed to `clientSize`. On
// Wayland a parentless window goes into a caption frame of its own (CaptionFrame), and any fixed
// window is kept out of the maximised and full-screen states (keepFixedWindowsNormal).
void applyFixedSingleBorder(QWidget& window, const QSize& clientSize);

// The size the frame adds around the client area: the window's own caption frame where it has
// one, else as the platform reports it once the window manager has decorated the window; zero
// before that (and always without a window manager).
QSize frameExtent(const QWidget& window);

// The outer top-left corner, frame included, and a move of it.
QPoint outerTopLeft(const QWidget& window);
void moveOuterTo(QWidget& window, const QPoint& topLeft);

// The screen the window is to open on, before it is shown.
void showOnScreen(QWidget& window, QScreen* screen);

// Names a control and puts it at its place in twips (left, top, width, height), as the
// windows' definitions give them.
void placeControl(QWidget* control, const char* name, double left, double top, double width,
                  double height);

// Moves the window so that its outer rectangle is centred on its screen (the primary screen
// before it is shown).
void centreOnScreen(QWidget& window);

} // namespace kestrelink::ui
