// The game window's controls for the tests and tools that look at it, found by the names the
// window gives them ("TheCableConnector3" for element 3 of a board array), as a screen reader or
// a script would find them: the window itself offers no way in for them.
#pragma once

#include "ui/common/CaptionLabel.h"
#include "ui/common/Twips.h"
#include "ui/common/WindowFrame.h"
#include "ui/game/BoardControl.h"
#include "ui/game/CableConnector.h"
#include "ui/game/CableLayer.h"
#include "ui/game/DropArea.h"
#include "ui/game/PictogramControl.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace kestrelink::ui::testing {

// The part of that name in `window`; a missing part ends the run at once.
template <typename T> T* part(const QWidget& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    if (found == nullptr) {
        std::fprintf(stderr, "no part %s\n", qPrintable(name));
        std::abort();
    }
    return found;
}

template <typename T> T* element(const QWidget& window, const char* array, int index) {
    return part<T>(window, QLatin1String(array) + QString::number(index));
}

inline CableConnector* TheCableConnector(const QWidget& w, int j) {
    return element<CableConnector>(w, "TheCableConnector", j);
}
inline BoardControl* CableCoverUp(const QWidget& w, int j) {
    return element<BoardControl>(w, "CableCoverUp", j);
}
inline BoardControl* ThePcConnector(const QWidget& w, int c) {
    return element<BoardControl>(w, "ThePcConnector", c);
}
inline DropArea* ThePcConnectorArea(const QWidget& w, int c) {
    return element<DropArea>(w, "ThePcConnectorArea", c);
}
inline PcPicture* txtThePC(const QWidget& w, int p) {
    return element<PcPicture>(w, "txtThePC", p);
}
inline CableLayer* TheCable(const QWidget& w) {
    return part<CableLayer>(w, "TheCable");
}
inline CaptionLabel* lblCongratulations(const QWidget& w) {
    return part<CaptionLabel>(w, "lblCongratulations");
}
inline FaceLabel* lblSmile1(const QWidget& w) {
    return part<FaceLabel>(w, "lblSmile1");
}
inline FaceLabel* lblSmile2(const QWidget& w) {
    return part<FaceLabel>(w, "lblSmile2");
}
inline FaceLabel* lblFrown1(const QWidget& w) {
    return part<FaceLabel>(w, "lblFrown1");
}
inline FaceLabel* lblFrown2(const QWidget& w) {
    return part<FaceLabel>(w, "lblFrown2");
}
inline BoardControl* lblCoverUpCableBackground(const QWidget& w) {
    return part<BoardControl>(w, "lblCoverUpCableBackground");
}
inline QLineEdit* txtCurrentTime(const QWidget& w) {
    return part<QLineEdit>(w, "txtCurrentTime");
}
inline QLineEdit* txtStartingTime(const QWidget& w) {
    return part<QLineEdit>(w, "txtStartingTime");
}
inline QLineEdit* txtEndingTimeTime(const QWidget& w) {
    return part<QLineEdit>(w, "txtEndingTimeTime");
}
inline QLineEdit* txtElapsedTime(const QWidget& w) {
    return part<QLineEdit>(w, "txtElapsedTime");
}
inline QPushButton* cmdNewGame(const QWidget& w) {
    return part<QPushButton>(w, "cmdNewGame");
}
inline QPushButton* cmdRestartCurrentGame(const QWidget& w) {
    return part<QPushButton>(w, "cmdRestartCurrentGame");
}
inline QPushButton* cmdShowSolution(const QWidget& w) {
    return part<QPushButton>(w, "cmdShowSolution");
}
inline QPushButton* cmdHelp(const QWidget& w) {
    return part<QPushButton>(w, "cmdHelp");
}
inline QPushButton* cmdQuit(const QWidget& w) {
    return part<QPushButton>(w, "cmdQuit");
}
inline QTimer* timerGameClock(const QWidget& w) {
    return part<QTimer>(w, "timerGameClock");
}
inline QTimer* timerCableAnimation(const QWidget& w) {
    return part<QTimer>(w, "timerCableAnimation");
}

// How many elements of the board's arrays the window has made.
inline int createdConnectorCount(const QWidget& w) {
    return static_cast<int>(w.findChildren<CableConnector*>().size());
}
inline int createdPcCount(const QWidget& w) {
    return static_cast<int>(w.findChildren<PcPicture*>().size());
}

// The window's outer size in twips as the platform made it (border and caption included).
inline float outerWidthTwips(const QWidget& w) {
    return static_cast<float>(toTwips(w.width() + frameExtent(w).width()));
}
inline float outerHeightTwips(const QWidget& w) {
    return static_cast<float>(toTwips(w.height() + frameExtent(w).height()));
}

} // namespace kestrelink::ui::testing
