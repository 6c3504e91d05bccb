// The replay seed read from the environment's text.
#include "game/RandomSource.h"

#include <gtest/gtest.h>

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

TEST(RandomSource, oneSeedReplaysTheSameDraws) {
    StdRandomSource first(2026);
    StdRandomSource second(2026);
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(first.below(1000), second.below(1000));
}

} // namespace
} // namespace kestrelink
