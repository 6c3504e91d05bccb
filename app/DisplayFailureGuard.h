// A display that is named but cannot be reached (a stale DISPLAY, a closed session) makes Qt give
// up while the application object is made, and Qt then aborts with a core dump. While the guard
// lives, that failure is answered as a missing display is: one sentence in the player's language
// and exit status 1.
#pragma once

namespace kestrelink::app {

class DisplayFailureGuard {
public:
    DisplayFailureGuard();
    // Passes on the messages held back, once the application object is made after all.
    ~DisplayFailureGuard();
    DisplayFailureGuard(const DisplayFailureGuard&) = delete;
    DisplayFailureGuard& operator=(const DisplayFailureGuard&) = delete;
};

} // namespace kestrelink::app
