// The game report's text: its lines, number and colour texts, line ends and the player's block.
#include "report/SettingsReport.h"

#include "game/Palette.h"

#include <algorithm>
#include <ctime>
#include <gtest/gtest.h>
#include <regex>
#include <string>
#include <vector>

namespace kestrelink {
namespace {

constexpr Color kBlue = 0x00FF0000;
constexpr Color kGreen = 0x0000C000;
constexpr Color kBrown = 0x00000080;
constexpr Color kLightBlue = 0x00FFFF00;
constexpr Color kYellow = 0x0000FFFF;
constexpr Color kPink = 0x00C0C0FF;

void setPartners(PairTable<std::int16_t>& table, std::initializer_list<std::pair<int, int>> pairs) {
    for (const auto& [a, b] : pairs) {
        table[static_cast<std::size_t>(a)][0] = static_cast<std::int16_t>(b);
        table[static_cast<std::size_t>(b)][0] = static_cast<std::int16_t>(a);
    }
}

// Four PCs with the partner pairs 0-5, 3-4, 2-7, 1-6 and the cable connectors 4, 2, 6, 0, 1,
// 5, 3, 7 belonging on PC connectors 0..7; each cable connector has its PC connector's colour.
// The player's wiring (0-3, 1-2, 4-7, 5-6) joins the PCs in two pairs: full, but no ring.
SettingsReportInput fourPcExample() {
    SettingsReportInput input;
    input.dateTimeText = "2026-08-12 02:31:05";
    input.colorCountText = "8";
    input.pcCountText = "4";
    input.NumberOfPCs = 4;
    setPartners(input.SolutionPlan, {{0, 5}, {3, 4}, {2, 7}, {1, 6}});
    const int cableOn[] = {4, 2, 6, 0, 1, 5, 3, 7};
    for (std::size_t c = 0; c < 8; ++c)
        input.SolutionPlan[c][1] = static_cast<std::int16_t>(cableOn[c]);
    setPartners(input.PlayerLinks, {{0, 3}, {1, 2}, {4, 7}, {5, 6}});
    input.AllPcConnectorsPlugged = true;
    input.pcConnectorColors = {kBlue, kGreen, kBrown, kBlack, kLightBlue, kYellow, kPink, kWhite};
    input.cableConnectorColors.resize(8);
    for (std::size_t c = 0; c < 8; ++c)
        input.cableConnectorColors[static_cast<std::size_t>(cableOn[c])] =
            input.pcConnectorColors[c];
    return input;
}

// A complete board of n PCs: PC p's second connector cabled to the next PC's first.
SettingsReportInput ringOf(int n, bool plugged) {
    SettingsReportInput input;
    input.NumberOfPCs = n;
    for (int p = 0; p < n; ++p) {
        const int from = 2 * p + 1;
        const int to = (2 * p + 2) % (2 * n);
        setPartners(input.SolutionPlan, {{from, to}});
        input.SolutionPlan[static_cast<std::size_t>(from)][1] = static_cast<std::int16_t>(2 * p);
        input.SolutionPlan[static_cast<std::size_t>(to)][1] = static_cast<std::int16_t>(2 * p + 1);
    }
    input.PlayerLinks = input.SolutionPlan;
    input.AllPcConnectorsPlugged = plugged;
    input.pcConnectorColors.assign(static_cast<std::size_t>(2 * n), kButtonFace);
    input.cableConnectorColors.assign(static_cast<std::size_t>(2 * n), kRed);
    return input;
}

const char* const kFourPcGolden = "Kestrelink Game Settings -- 2026-08-12 02:31:05\r\n"
                                  "\r\n"
                                  "Colors=8\r\n"
                                  "PCs=4\r\n"
                                  "\r\n"
                                  "PC to PC Connection and Cable Assignments\r\n"
                                  "PC Connector 1 <-[5]---[6]-> 6\r\n"
                                  "PC Connector 2 <-[3]---[4]-> 7\r\n"
                                  "PC Connector 3 <-[7]---[8]-> 8\r\n"
                                  "PC Connector 4 <-[1]---[2]-> 5\r\n"
                                  "PC Connector 5 <-[2]---[1]-> 4\r\n"
                                  "PC Connector 6 <-[6]---[5]-> 1\r\n"
                                  "PC Connector 7 <-[4]---[3]-> 2\r\n"
                                  "PC Connector 8 <-[8]---[7]-> 3\r\n"
                                  "\r\n"
                                  "PC Connector Color Assignments\r\n"
                                  "PC Connector 1 Color = Blue FF0000\r\n"
                                  "PC Connector 2 Color = Green C000\r\n"
                                  "PC Connector 3 Color = Brown 80\r\n"
                                  "PC Connector 4 Color = Black 0\r\n"
                                  "PC Connector 5 Color = LightBlue FFFF00\r\n"
                                  "PC Connector 6 Color = Yellow FFFF\r\n"
                                  "PC Connector 7 Color = Pink C0C0FF\r\n"
                                  "PC Connector 8 Color = White FFFFFF\r\n"
                                  "\r\n"
                                  "Cable Connector Color Assignments\r\n"
                                  "Cable Connector 1 Color = Black 0\r\n"
                                  "Cable Connector 2 Color = LightBlue FFFF00\r\n"
                                  "Cable Connector 3 Color = Green C000\r\n"
                                  "Cable Connector 4 Color = Pink C0C0FF\r\n"
                                  "Cable Connector 5 Color = Blue FF0000\r\n"
                                  "Cable Connector 6 Color = Yellow FFFF\r\n"
                                  "Cable Connector 7 Color = Brown 80\r\n"
                                  "Cable Connector 8 Color = White FFFFFF\r\n"
                                  "\r\n"
                                  "Original Solution -- PC to PC Connection Configuration\r\n"
                                  "PC # 1 Connector 1 --> PC # 3 Connector  2\r\n"
                                  "PC # 1 Connector 2 --> PC # 4 Connector  1\r\n"
                                  "\r\n"
                                  "PC # 2 Connector 1 --> PC # 4 Connector  2\r\n"
                                  "PC # 2 Connector 2 --> PC # 3 Connector  1\r\n"
                                  "\r\n"
                                  "PC # 3 Connector 1 --> PC # 2 Connector  2\r\n"
                                  "PC # 3 Connector 2 --> PC # 1 Connector  1\r\n"
                                  "\r\n"
                                  "PC # 4 Connector 1 --> PC # 1 Connector  2\r\n"
                                  "PC # 4 Connector 2 --> PC # 2 Connector  1\r\n"
                                  "\r\n"
                                  "\r\n"
                                  "User's PC to PC Connection Configuration\r\n"
                                  "PC # 1 Connector 1 --> PC # 2 Connector  2\r\n"
                                  "PC # 1 Connector 2 --> PC # 2 Connector  1\r\n"
                                  "\r\n"
                                  "PC # 2 Connector 1 --> PC # 1 Connector  2\r\n"
                                  "PC # 2 Connector 2 --> PC # 1 Connector  1\r\n"
                                  "\r\n"
                                  "PC # 3 Connector 1 --> PC # 4 Connector  2\r\n"
                                  "PC # 3 Connector 2 --> PC # 4 Connector  1\r\n"
                                  "\r\n"
                                  "PC # 4 Connector 1 --> PC # 3 Connector  2\r\n"
                                  "PC # 4 Connector 2 --> PC # 3 Connector  1\r\n"
                                  "\r\n";

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(SettingsReport, FourPcExampleMatchesTheGoldenReport) {
    EXPECT_EQ(settingsReportText(fourPcExample()), kFourPcGolden);
}

TEST(SettingsReport, UnpluggedBoardEndsAfterTheSolutionWithNoPlayerBlock) {
    SettingsReportInput input = fourPcExample();
    input.AllPcConnectorsPlugged = false;
    const std::string golden = kFourPcGolden;
    const std::string text = settingsReportText(input);
    EXPECT_EQ(text, golden.substr(0, golden.find("User's")));
    EXPECT_EQ(text.find("User's"), std::string::npos);
}

TEST(SettingsReport, LineCountsFollowTheNumberOfPcs) {
    for (int n : {4, 5, 10, 16}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(settingsReportLines(ringOf(n, false)).size(),
                  static_cast<std::size_t>(13 + 9 * n));
        EXPECT_EQ(settingsReportLines(ringOf(n, true)).size(),
                  static_cast<std::size_t>(14 + 12 * n));
    }
    EXPECT_EQ(settingsReportLines(ringOf(4, false)).size(), 49u);
    EXPECT_EQ(settingsReportLines(ringOf(4, true)).size(), 62u);
}

TEST(SettingsReport, EveryLineEndsWithCarriageReturnLineFeed) {
    const std::string text = settingsReportText(ringOf(16, true));
    const auto lineCount = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    EXPECT_EQ(lineCount, static_cast<std::size_t>(14 + 12 * 16));
    EXPECT_EQ(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r')), lineCount);
    EXPECT_EQ(text.find("\r\r"), std::string::npos);
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
        ASSERT_EQ(text[at - 1], '\r') << "at byte " << at;
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST(SettingsReport, SixteenPcsNumberTheirLastConnectorsAndPcs) {
    const auto lines = settingsReportLines(ringOf(16, true));
    // The last cable joins connector 32 to connector 1 and has cable connectors 31 and 32.
    EXPECT_TRUE(contains(lines, "PC Connector 32 <-[31]---[32]-> 1"));
    EXPECT_TRUE(contains(lines, "PC Connector 1 <-[32]---[31]-> 32"));
    EXPECT_TRUE(contains(lines, "PC Connector 32 Color = Grey 8000000F"));
    EXPECT_TRUE(contains(lines, "Cable Connector 32 Color = Red FF"));
    EXPECT_TRUE(contains(lines, "PC # 16 Connector 2 --> PC # 1 Connector  1"));
    EXPECT_TRUE(contains(lines, "PC # 1 Connector 1 --> PC # 16 Connector  2"));
}

TEST(SettingsReport, ColourTextsAreUpperCaseHexWithoutLeadingZeros) {
    EXPECT_EQ(colorHexText(0x00FF0000), "FF0000");
    EXPECT_EQ(colorHexText(0x0000C000), "C000");
    EXPECT_EQ(colorHexText(0x00000080), "80");
    EXPECT_EQ(colorHexText(0), "0");
    EXPECT_EQ(colorHexText(0x00FFC0FF), "FFC0FF");
    EXPECT_EQ(colorHexText(0x8000000F), "8000000F");
    EXPECT_EQ(colorHexText(0xFFFFFFFF), "FFFFFFFF");
}

TEST(SettingsReport, UnnamedOrMissingColoursGiveAnEmptyName) {
    SettingsReportInput input = fourPcExample();
    input.pcConnectorColors[0] = 1;
    input.cableConnectorColors.resize(7);
    const auto lines = settingsReportLines(input);
    EXPECT_TRUE(contains(lines, "PC Connector 1 Color =  1"));
    EXPECT_TRUE(contains(lines, "Cable Connector 8 Color =  "));
    EXPECT_EQ(lines.size(), 62u);
}

TEST(SettingsReport, StrayTableValuesNeverReadBeyondTheTables) {
    // A partner of "none" must not be used as a row; a count past 16 PCs is held to the tables.
    SettingsReportInput input = ringOf(4, true);
    input.SolutionPlan[0] = {kNone, kNone};
    input.PlayerLinks[7][0] = kNone;
    auto lines = settingsReportLines(input);
    EXPECT_TRUE(contains(lines, "PC Connector 1 <-[0]---[0]-> 0"));
    EXPECT_TRUE(contains(lines, "PC # 4 Connector 2 --> PC # 0 Connector  0"));

    input.NumberOfPCs = 40;
    EXPECT_EQ(settingsReportLines(input).size(), static_cast<std::size_t>(14 + 12 * kMaxPcs));
}

TEST(SettingsReport, DefaultFileNameIsInTheProgramsFolder) {
    EXPECT_EQ(defaultReportFilePath("/opt/kestrelink"),
              "/opt/kestrelink/KestrelinkGameSettingsFile.txt");
    // The folder is offered as it is, even when it already ends with the separator.
    EXPECT_EQ(defaultReportFilePath("/"), "//KestrelinkGameSettingsFile.txt");
}

TEST(SettingsReport, DateTimeTextIsTheLocalDateAndTime) {
    std::tm local{};
    local.tm_year = 2026 - 1900;
    local.tm_mon = 7;
    local.tm_mday = 12;
    local.tm_hour = 2;
    local.tm_min = 31;
    local.tm_sec = 5;
    local.tm_isdst = -1;
    const auto moment = Clock::from_time_t(std::mktime(&local));
    EXPECT_EQ(reportDateTimeText(moment), "2026-08-12 02:31:05");
    EXPECT_TRUE(std::regex_match(reportDateTimeText(Clock::now()),
                                 std::regex(R"(\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2})")));
}

} // namespace
} // namespace kestrelink
