// The seeded and the freshly seeded random sources.
#include "game/RandomSource.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>

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

std::optional<std::uint64_t> seedFromText(const char* text) {
    if (text == nullptr || *text < '0' || *text > '9')
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (errno == ERANGE || *end != '\0')
        return std::nullopt;
    return static_cast<std::uint64_t>(value);
}

std::optional<std::uint64_t> seedFromEnvironment() {
    return seedFromText(std::getenv("KESTRELINK_SEED"));
}

std::unique_ptr<RandomSource> makeRandomSource() {
    if (const auto seed = seedFromEnvironment())
        return std::make_unique<StdRandomSource>(*seed);
    return std::make_unique<StdRandomSource>();
}

StdRandomSource::StdRandomSource() : engine_(freshSeed()) {}

StdRandomSource::StdRandomSource(std::uint64_t seed) : engine_(seed) {}

int StdRandomSource::below(int n) {
    std::uniform_int_distribution<int> range(0, n - 1);
    return range(engine_);
}

} // namespace kestrelink
