// Opens, raises and closes the one game window the start-up window may have at a time, and
// refuses a game window that does not fit on the screen.
#pragma once

#include "game/GameState.h"
#include "game/RandomSource.h"
#include "game/TimeSource.h"

#include <QObject>
#include <QPointer>
#include <memory>

class QWidget;

namespace kestrelink::ui {

class GameWindow;
class HelpWindowOpener;
class StartupSettings;

class GameWindowHost : public QObject {
    Q_OBJECT
public:
    // The game windows read the time from `time`: the system's, unless a test fixes it.
    GameWindowHost(GameState& state, StartupSettings& settings, HelpWindowOpener& helpOpener,
                   QWidget* dialogParent, TimeSource& time = systemTimeSource());
    ~GameWindowHost() override;

    // Builds a fresh game window, runs its start-up and shows it; if it is larger than the
    // screen, says so and closes it again. Returns the window if it stays open.
    GameWindow* play();

    GameWindow* window() const;
    bool isOpen() const;
    void close();
    void raise();

    // Whether a window of this outer size (pixels) fits on a screen of that size: equal fits.
    static bool fitsOnScreen(const QSize& windowOuter, const QSize& screen);

private:
    GameState& state_;
    StartupSettings& settings_;
    HelpWindowOpener& helpOpener_;
    QWidget* dialogParent_;
    std::unique_ptr<RandomSource> random_;
    TimeSource& time_;
    QPointer<GameWindow> window_;
};

} // namespace kestrelink::ui
