// The game's random source: the replay seed read from the environment's text, the same draws
// for a seed everywhere, and uniform draws over every range.
#include "game/RandomSource.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace kestrelink {
namespace {

TEST(RandomSource, replaySeedIsAWholeDecimalNumberOrNothing) {
    const struct {
        const char* text;
        std::optional<std::uint64_t> seed;
    } cases[] = {
        {"0", 0},
        {"42", 42},
        {"18446744073709551615", 18446744073709551615ull},
        {nullptr, std::nullopt},
        {"", std::nullopt},
        {"18446744073709551616", std::nullopt},
        {"-1", std::nullopt},
        {"+1", std::nullopt},
        {" 7", std::nullopt},
        {"7 ", std::nullopt},
        {"12abc", std::nullopt},
        {"seed", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(seedFromText(c.text), c.seed) << (c.text ? c.text : "(unset)");
}

// The draws are the game's own arithmetic, so a seed gives these very numbers with every
// compiler and standard library: a bug report's seed deals the same puzzle anywhere.
TEST(RandomSource, oneSeedGivesTheSameDrawsEverywhere) {
    StdRandomSource random(2026);
    std::vector<int> draws;
    for (int i = 0; i < 8; ++i)
        draws.push_back(random.below(1000));
    for (int i = 0; i < 4; ++i)
        draws.push_back(random.below(0x60000000));
    EXPECT_EQ(draws, (std::vector<int>{857, 471, 667, 384, 791, 726, 953, 804, 539306634, 370543966,
                                       539778896, 1452560531}));
}

double chiSquare(const std::vector<int>& counts, double expected) {
    double sum = 0;
    for (int count : counts)
        sum += (count - expected) * (count - expected) / expected;
    return sum;
}

// Every range is drawn uniformly, counted both by remainder and by the part of the range a draw
// falls in. For 3 * 2^29, a 32-bit draw mapped by a plain multiply-and-shift would give
// remainders 0 and 1 three chances in eight and remainder 2 two, and one mapped by a modulo the
// first two thirds of the range three chances in eight each: either fails here by far.
TEST(RandomSource, drawsAreUniformOverEveryRange) {
    StdRandomSource random(99);
    for (const int n : {1, 2, 3, 7, 10, 32, 0x60000000}) {
        const int buckets = n > 32 ? 3 : n;
        const int draws = 3000 * buckets;
        std::vector<int> byRemainder(static_cast<std::size_t>(buckets));
        std::vector<int> byPart(static_cast<std::size_t>(buckets));
        for (int i = 0; i < draws; ++i) {
            const int value = random.below(n);
            ASSERT_TRUE(value >= 0 && value < n) << value << " of " << n;
            ++byRemainder[static_cast<std::size_t>(value % buckets)];
            ++byPart[static_cast<std::size_t>(static_cast<long long>(value) * buckets / n)];
        }
        // Far in the tail for buckets - 1 degrees of freedom: only a real bias fails.
        const double limit = buckets - 1 + 8 * std::sqrt(2.0 * (buckets - 1)) + 8;
        EXPECT_LT(chiSquare(byRemainder, 3000), limit) << "below " << n;
        EXPECT_LT(chiSquare(byPart, 3000), limit) << "below " << n;
    }
}

} // namespace
} // namespace kestrelink
