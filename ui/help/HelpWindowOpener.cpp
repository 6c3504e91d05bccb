// Closing the help window deletes it, so the next Help click loads and places it afresh, while a
// click on an open one leaves it where the player put it.
#include "ui/help/HelpWindowOpener.h"

#include "ui/help/HelpWindow.h"

namespace kestrelink::ui {

HelpWindowOpener::HelpWindowOpener(const StartupSettings& startup) : startup_(startup) {}

HelpWindowOpener::~HelpWindowOpener() {
    delete window_.data();
}

HelpWindow* HelpWindowOpener::open() {
    if (window_.isNull()) {
        window_ = new HelpWindow(startup_);
        window_->setAttribute(Qt::WA_DeleteOnClose);
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    return window_;
}

HelpWindow* HelpWindowOpener::window() const {
    return window_.data();
}

} // namespace kestrelink::ui
