// Play Now: a fresh game window each time, refused when it does not fit on the screen.
#include "ui/startup/GameWindowHost.h"

#include "ui/common/WindowFrame.h"
#include "ui/game/GameWindow.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace kestrelink::ui {

GameWindowHost::GameWindowHost(GameState& state, StartupSettings& settings,
                               HelpWindowOpener& helpOpener, QWidget* dialogParent,
                               TimeSource& time)
    : state_(state), settings_(settings), helpOpener_(helpOpener), dialogParent_(dialogParent),
      random_(makeRandomSource()), time_(time) {}

GameWindowHost::~GameWindowHost() {
    // Ending the program closes no window: the game window goes without its closing steps.
    delete window_.data();
}

bool GameWindowHost::fitsOnScreen(const QSize& windowOuter, const QSize& screen) {
    return windowOuter.width() <= screen.width() && windowOuter.height() <= screen.height();
}

GameWindow* GameWindowHost::play() {
    if (window_) {
        window_->close();
        delete window_.data();
    }
    auto* window = new GameWindow(state_, settings_, *random_, time_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setHelpWindowOpener(&helpOpener_);
    window_ = window;
    // The game opens on the screen the player looks at, the start-up window's, and must fit it.
    QScreen* screen =
        dialogParent_ != nullptr ? dialogParent_->screen() : QGuiApplication::primaryScreen();
    showOnScreen(*window, screen);
    window->Form_Load();
    window->show();

    const QSize outer = window->size() + frameExtent(*window);
    if (screen != nullptr && !fitsOnScreen(outer, screen->size())) {
        QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
                        tr("Your Screen Settings are not large enough to support "
                           "the window size needed for these game settings\n\n"
                           "Please select fewer PCs or increase your screen "
                           "resolution"),
                        QMessageBox::Ok, dialogParent_);
        box.setObjectName(QStringLiteral("screenTooSmallMessage"));
        box.exec();
        if (window_)
            window_->close();
        return nullptr;
    }
    return window;
}

GameWindow* GameWindowHost::window() const {
    return window_.data();
}

bool GameWindowHost::isOpen() const {
    return !window_.isNull();
}

void GameWindowHost::close() {
    if (window_)
        window_->close();
}

void GameWindowHost::raise() {
    if (!window_)
        return;
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace kestrelink::ui
