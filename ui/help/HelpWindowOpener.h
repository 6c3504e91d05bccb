// Opens the one help window both Help buttons share: loads it beside the start-up window when
// it is closed, only brings it to the front when it is open.
#pragma once

#include <QPointer>

namespace kestrelink::ui {

class HelpWindow;
class StartupSettings;

class HelpWindowOpener {
public:
    // `startup` gives the position the help window loads beside; it must outlive the opener.
    explicit HelpWindowOpener(const StartupSettings& startup);
    // An open help window goes with its opener.
    ~HelpWindowOpener();

    HelpWindowOpener(const HelpWindowOpener&) = delete;
    HelpWindowOpener& operator=(const HelpWindowOpener&) = delete;

    // Shows the help window, not modal and without an owner, and makes it the active window.
    HelpWindow* open();

    // The open help window, or null once it has been closed.
    HelpWindow* window() const;

private:
    const StartupSettings& startup_;
    QPointer<HelpWindow> window_;
};

} // namespace kestrelink::ui
