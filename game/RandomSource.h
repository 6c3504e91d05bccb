// Where the game's random numbers come from. Generation takes a RandomSource so that tests can
// seed it and pin exact results.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

namespace kestrelink {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform whole number in 0..n-1; n >= 1.
    virtual int below(int n) = 0;
};

// The game's random source: SplitMix64 seeded once, mapped onto a range by its own unbiased
// method. Every step is written out here rather than left to the standard library, whose
// engines' seeding and distributions differ from one library to the next: one seed deals the
// same puzzle whatever compiler and library built the game. Every draw is fresh and uniform:
// unlike reseeding from the clock before each draw, two draws within one clock tick never repeat
// each other by construction.
class StdRandomSource final : public RandomSource {
public:
    // Seeded from std::random_device mixed with the clock.
    StdRandomSource();
    explicit StdRandomSource(std::uint64_t seed);

    // A range of one has one answer, and takes no draw.
    int below(int n) override;

private:
    std::uint64_t next();

    std::uint64_t state_;
};

// The seed a game is replayed from: the whole decimal number in the environment variable
// KESTRELINK_SEED, if it holds one. Anything else (unset, empty, not a number, out of range)
// is no seed, and the game deals afresh.
std::optional<std::uint64_t> seedFromText(const char* text);
std::optional<std::uint64_t> seedFromEnvironment();

// The random source for a run: seeded from KESTRELINK_SEED when that holds a number, so a game
// can be replayed exactly (tests, bug reports); freshly seeded otherwise.
std::unique_ptr<RandomSource> makeRandomSource();

} // namespace kestrelink
