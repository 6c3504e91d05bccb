// A scripted random source for tests, that records every draw. Both the core's and the windows'
// tests use it, so it needs no test framework.
#pragma once

#include "game/RandomSource.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kestrelink::testsupport {

// Answers the draws from a script and records the range of each, so a test can check both the
// outcome and the order in which the draws were asked for. A draw past the script, or a scripted
// value outside its range, answers 0 and is told in faults().
class ScriptedRandomSource final : public RandomSource {
public:
    explicit ScriptedRandomSource(std::vector<int> script) : script_(std::move(script)) {}

    int below(int n) override {
        ranges_.push_back(n);
        const std::string draw =
            "draw " + std::to_string(ranges_.size()) + " (below " + std::to_string(n) + ")";
        if (next_ >= script_.size()) {
            faults_ += draw + " is not scripted; ";
            return 0;
        }
        const int value = script_[next_++];
        if (value < 0 || value >= n) {
            faults_ += draw + " is scripted " + std::to_string(value) + "; ";
            return 0;
        }
        return value;
    }

    const std::vector<int>& ranges() const { return ranges_; }
    bool exhausted() const { return next_ == script_.size(); }
    const std::string& faults() const { return faults_; }

private:
    std::vector<int> script_;
    std::size_t next_ = 0;
    std::vector<int> ranges_;
    std::string faults_;
};

} // namespace kestrelink::testsupport
