// Random sources for tests: a portable seeded one and a scripted one that records every draw.
// Both the core's and the windows' tests use them, so they need no test framework.
#pragma once

#include "game/RandomSource.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kestrelink::testsupport {

// SplitMix64 reduced by modulo: its outputs are the same with every standard library, so golden
// results pinned with it do not move when the compiler's distributions do.
class PortableRandomSource final : public RandomSource {
public:
    explicit PortableRandomSource(std::uint64_t seed) : state_(seed) {}

    int below(int n) override {
        state_ += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return static_cast<int>(z % static_cast<std::uint64_t>(n));
    }

private:
    std::uint64_t state_;
};

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
