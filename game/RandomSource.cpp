// The seeded and the freshly seeded random sources.
#include "game/RandomSource.h"

#include <chrono>

namespace kestrelink {

namespace {

std::uint64_t freshSeed() {
    std::random_device device;
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    const std::uint64_t entropy = (static_cast<std::uint64_t>(device()) << 32) ^ device();
    return entropy ^ (ticks * 0x9E3779B97F4A7C15ull);
}

} // namespace

StdRandomSource::StdRandomSource() : engine_(freshSeed()) {}

StdRandomSource::StdRandomSource(std::uint64_t seed) : engine_(seed) {}

int StdRandomSource::below(int n) {
    std::uniform_int_distribution<int> range(0, n - 1);
    return range(engine_);
}

} // namespace kestrelink
