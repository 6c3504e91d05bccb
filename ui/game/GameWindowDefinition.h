// The game window as it is defined before start-up: the command frame and its five buttons,
// the message and face labels, the four time boxes, the cable row's band, the cables and the
// two timers. The board's own controls come from the board view.
#pragma once

#include "game/BoardLayout.h"

#include <QString>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QTimer;
class QWidget;

namespace kestrelink::ui {

class BoardControl;
class CableLayer;
class CaptionLabel;
class FaceLabel;

// The verdict's messages, as the message label shows them.
QString instructionMessage();
QString wrongWiringMessage();
QString correctWiringMessage();

struct GameWindowControls {
    BoardControl* lblCoverUpCableBackground = nullptr;
    CaptionLabel* lblCongratulations = nullptr;
    FaceLabel* lblSmile1 = nullptr;
    FaceLabel* lblSmile2 = nullptr;
    FaceLabel* lblFrown1 = nullptr;
    FaceLabel* lblFrown2 = nullptr;
    CableLayer* cables = nullptr;
    QGroupBox* frmCommandButtons = nullptr;
    QPushButton* cmdNewGame = nullptr;
    QPushButton* cmdRestartCurrentGame = nullptr;
    QPushButton* cmdShowSolution = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdQuit = nullptr;
    QLineEdit* txtCurrentTime = nullptr;
    QLineEdit* txtStartingTime = nullptr;
    QLineEdit* txtEndingTimeTime = nullptr;
    QLineEdit* txtElapsedTime = nullptr;
    QTimer* timerGameClock = nullptr;
    QTimer* timerCableAnimation = nullptr;
};

// Creates the defined controls in `window`, bottom to top: labels, then the cables, then text
// boxes and buttons, so that the cables run over the labels. The clock timer is started, the
// animation timer is not.
GameWindowControls buildGameWindowDefinition(QWidget& window);

// Moves the controls that follow the window's width: the command frame and the message label
// centred, the right-hand face labels and time boxes right-aligned.
void alignToWidth(const GameWindowControls& controls, float outerWidthTwips);

} // namespace kestrelink::ui
