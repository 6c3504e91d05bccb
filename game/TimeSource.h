// Where the game reads the time: the system clock in play, a fixed one in tests, so that the
// clock, restarts and the report can be checked at chosen instants.
#pragma once

#include "game/GameState.h"

namespace kestrelink {

class TimeSource {
public:
    virtual ~TimeSource() = default;
    virtual Clock::time_point now() const = 0;
};

class SystemTimeSource final : public TimeSource {
public:
    Clock::time_point now() const override { return Clock::now(); }
};

// The one system clock the windows share.
inline TimeSource& systemTimeSource() {
    static SystemTimeSource source;
    return source;
}

} // namespace kestrelink
