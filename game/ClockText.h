// "hh:mm:ss" texts of the game clock.
#pragma once

#include "game/GameState.h"

#include <string>

namespace kestrelink {

// The local time of day of `moment`, 24-hour clock, two digits each, no date.
std::string timeOfDayText(Clock::time_point moment);

// A span rounded to the whole second and shown like a time of day: hours modulo 24, so a span
// of 25 hours shows "01:00:00". A negative span (the clock set back) shows "00:00:00".
std::string elapsedText(Clock::duration span);

} // namespace kestrelink
