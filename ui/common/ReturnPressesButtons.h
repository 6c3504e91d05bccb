// Return (or Enter) on a focused push button presses it, as Space does; Qt leaves Return to a
// dialog's default button, and the game's windows are no dialogs.
#pragma once

class QWidget;

namespace kestrelink::ui {

// For every push button in `window` at the time of the call.
void letReturnPressButtons(QWidget& window);

} // namespace kestrelink::ui
