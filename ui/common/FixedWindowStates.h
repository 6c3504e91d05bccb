// A fixed-size window cannot be maximised or made full-screen, yet a Wayland compositor may still
// configure it so, and one that gets the maximised size back unanswered ends the connection.
#pragma once

namespace kestrelink::ui {

// From now on, any fixed-size window put into the maximised or full-screen state is shown again
// in the normal state, at its size, having drawn nothing in between. Installs itself once;
// later calls do nothing.
void keepFixedWindowsNormal();

} // namespace kestrelink::ui
