// The seeded and the freshly seeded random sources.
#include "game/RandomSource.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <random>

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

StdRandomSource::StdRandomSource() : state_(freshSeed()) {}

StdRandomSource::StdRandomSource(std::uint64_t seed) : state_(seed) {}

// SplitMix64 (Steele, Lea and Flood): a 64-bit counter stepped by the golden ratio and mixed.
std::uint64_t StdRandomSource::next() {
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Lemire's multiply-and-shift with rejection: the top half of a 32-bit draw times n is the
// result. Plain multiplication (or a modulo) would favour some results whenever n does not
// divide 2^32; the draws whose low half falls below 2^32 mod n are the surplus, and are drawn
// again. For the game's ranges, a few dozen at most, hardly a draw in a hundred million is.
int StdRandomSource::below(int n) {
    if (n <= 1)
        return 0;
    const auto range = static_cast<std::uint32_t>(n);
    std::uint64_t product = (next() >> 32) * range;
    auto low = static_cast<std::uint32_t>(product);
    if (low < range) {
        const std::uint32_t surplus = (0u - range) % range; // 2^32 mod n
        while (low < surplus) {
            product = (next() >> 32) * range;
            low = static_cast<std::uint32_t>(product);
        }
    }
    return static_cast<int>(product >> 32);
}

} // namespace kestrelink
