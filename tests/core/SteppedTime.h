// A clock for the tests that moves only when told to.
#pragma once

#include "game/TimeSource.h"

namespace kestrelink::testing {

class SteppedTime final : public TimeSource {
public:
    explicit SteppedTime(Clock::time_point start = Clock::time_point{}) : now_(start) {}
    Clock::time_point now() const override { return now_; }
    void advance(Clock::duration by) { now_ += by; }

private:
    Clock::time_point now_;
};

} // namespace kestrelink::testing
