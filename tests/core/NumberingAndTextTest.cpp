// Board numbering helpers and the number and clock texts.
#include "game/ClockText.h"
#include "game/NumberText.h"
#include "game/Numbering.h"

#include <chrono>
#include <ctime>
#include <gtest/gtest.h>

namespace kestrelink {
namespace {

using namespace std::chrono_literals;

TEST(Numbering, PairsConnectorsTwoByTwo) {
    EXPECT_EQ(pcOfConnector(0), 0);
    EXPECT_EQ(pcOfConnector(1), 0);
    EXPECT_EQ(pcOfConnector(31), 15);
    EXPECT_EQ(cableOfConnector(6), 3);
    EXPECT_EQ(cableOfConnector(7), 3);
    for (int i = 0; i < 2 * kMaxPcs; ++i) {
        const int other = partnerInPair(i);
        EXPECT_NE(other, i);
        EXPECT_EQ(partnerInPair(other), i);
        EXPECT_EQ(other / 2, i / 2);
        EXPECT_EQ(otherConnectorOfSamePc(i), other);
        EXPECT_EQ(otherEndOfCable(i), other);
    }
    // The largest board fits in the shared tables with its last row to spare.
    EXPECT_LT(2 * kMaxPcs - 1, kTableRows - 1);
}

TEST(SignedDecimal, PutsASpaceBeforeZeroAndPositivesAndAMinusBeforeNegatives) {
    EXPECT_EQ(signedDecimal(0), " 0");
    EXPECT_EQ(signedDecimal(5), " 5");
    EXPECT_EQ(signedDecimal(31), " 31");
    EXPECT_EQ(signedDecimal(-1), "-1");
    EXPECT_EQ(signedDecimal(-32768), "-32768");
}

Clock::time_point localTime(int hour, int minute, int second) {
    std::tm local{};
    local.tm_year = 2024 - 1900;
    local.tm_mon = 5;
    local.tm_mday = 15;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return Clock::from_time_t(std::mktime(&local));
}

TEST(ClockText, ShowsTheLocalTimeOfDayOnATwentyFourHourClock) {
    EXPECT_EQ(timeOfDayText(localTime(0, 0, 0)), "00:00:00");
    EXPECT_EQ(timeOfDayText(localTime(9, 5, 7)), "09:05:07");
    EXPECT_EQ(timeOfDayText(localTime(23, 59, 59)), "23:59:59");
    // Fractions of a second are not shown.
    EXPECT_EQ(timeOfDayText(localTime(13, 0, 1) + 999ms), "13:00:01");
}

TEST(ClockText, ElapsedTimeRoundsToTheSecondAndWrapsAfterADay) {
    EXPECT_EQ(elapsedText(0s), "00:00:00");
    EXPECT_EQ(elapsedText(499ms), "00:00:00");
    EXPECT_EQ(elapsedText(500ms), "00:00:01");
    EXPECT_EQ(elapsedText(59s + 500ms), "00:01:00");
    EXPECT_EQ(elapsedText(1h + 1min + 1s), "01:01:01");
    EXPECT_EQ(elapsedText(23h + 59min + 59s), "23:59:59");
    EXPECT_EQ(elapsedText(24h), "00:00:00");
    EXPECT_EQ(elapsedText(25h), "01:00:00");
    EXPECT_EQ(elapsedText(-3s), "00:00:00");
}

} // namespace
} // namespace kestrelink
