// Random play on every board size, checked step by step against the naive twin.
#include "tests/core/BoardSoak.h"

#include <chrono>
#include <gtest/gtest.h>

namespace kestrelink {
namespace {

TEST(BoardSoak, RandomPlayKeepsEveryRuleOnEveryBoardSize) {
    constexpr int kSeedsPerSize = 10;
    constexpr long kOperationsPerSeed = 10000;
    const auto started = std::chrono::steady_clock::now();
    long operations = 0;
    long onWrong = 0;
    long onCorrect = 0;
    long marks = 0;
    for (int n = kMinPcs; n <= kMaxPcs; ++n) {
        for (std::uint64_t seed = 1; seed <= kSeedsPerSize; ++seed) {
            testing::BoardSoak soak(n, seed * 1000 + static_cast<std::uint64_t>(n));
            const testing::SoakResult result = soak.run(kOperationsPerSeed);
            operations += result.operations;
            onWrong += result.onWrongBoards;
            onCorrect += result.onCorrectBoards;
            marks += result.marks;
            ASSERT_EQ(result.failure, "");
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << "soak: " << operations << " operations over "
              << (kMaxPcs - kMinPcs + 1) * kSeedsPerSize << " seeds, "
              << static_cast<long>(static_cast<double>(operations) / seconds)
              << " operations per second; " << onWrong << " on wrong boards, " << onCorrect
              << " on rings, " << marks << " marks\n";
    // The rules that need full boards must have been exercised.
    EXPECT_GT(onWrong, operations / 20);
    EXPECT_GT(onCorrect, operations / 20);
    EXPECT_GT(marks, 1000);
}

} // namespace
} // namespace kestrelink
