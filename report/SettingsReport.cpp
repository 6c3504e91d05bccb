// Builds the game report's lines from the game's state and the board's colours.
#include "report/SettingsReport.h"

#include "game/NumberText.h"
#include "game/Palette.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace kestrelink {

namespace {

std::string trimmedDecimal(long long value) {
    return std::to_string(value);
}

// Column 0 of a table row, or kNone for a row outside the table, so a stray value in one row
// can never send the report reading past the table.
int partnerIn(const PairTable<std::int16_t>& table, int row) {
    if (row < 0 || row >= kTableRows)
        return kNone;
    return table[static_cast<std::size_t>(row)][0];
}

int plannedCableConnector(const PairTable<std::int16_t>& table, int row) {
    if (row < 0 || row >= kTableRows)
        return kNone;
    return table[static_cast<std::size_t>(row)][1];
}

// "PC # 1 Connector 1 --> PC # 3 Connector  2": the far end is addressed as PC Int(r/2)+1 and
// connector (r mod 2)+1 of that PC. For the "none" value -1 this gives PC 0, connector 0.
std::string pcLinkLine(int pc, int side, int farEnd) {
    const auto farPc = static_cast<long long>(std::floor(farEnd / 2.0));
    const long long farSide = farEnd % 2;
    return "PC #" + signedDecimal(pc + 1) + " Connector " + std::to_string(side + 1) + " --> PC #" +
           signedDecimal(farPc + 1) + " Connector " + signedDecimal(farSide + 1);
}

void addConfiguration(std::vector<std::string>& lines, const PairTable<std::int16_t>& links,
                      int pcCount) {
    for (int p = 0; p < pcCount; ++p) {
        lines.push_back(pcLinkLine(p, 0, partnerIn(links, 2 * p)));
        lines.push_back(pcLinkLine(p, 1, partnerIn(links, 2 * p + 1)));
        lines.emplace_back();
    }
}

// The name starts empty, so a colour without a name gives an empty name. A connector missing
// from the caller's list gives neither name nor value rather than a made-up colour.
std::string colorLine(const char* what, int index, const std::vector<Color>& colors) {
    std::string name;
    std::string hex;
    if (static_cast<std::size_t>(index) < colors.size()) {
        const Color color = colors[static_cast<std::size_t>(index)];
        GetColorText(color, name);
        hex = colorHexText(color);
    }
    return what + signedDecimal(index + 1) + " Color = " + name + " " + hex;
}

} // namespace

SettingsReportInput reportInputFrom(const GameState& state) {
    SettingsReportInput input;
    input.NumberOfPCs = state.settings.NumberOfPCs;
    input.SolutionPlan = state.puzzle.SolutionPlan;
    input.PlayerLinks = state.board.PlayerLinks;
    input.AllPcConnectorsPlugged = state.board.AllPcConnectorsPlugged;
    input.pcConnectorColors = state.puzzle.pcConnectorColors;
    input.cableConnectorColors = state.puzzle.cableConnectorColors;
    return input;
}

std::vector<std::string> settingsReportLines(const SettingsReportInput& input) {
    // The tables hold 16 PCs at most; a larger count must not read beyond them.
    const int pcCount = std::clamp(input.NumberOfPCs, 0, kMaxPcs);
    const int connectorCount = 2 * pcCount;
    const auto& plan = input.SolutionPlan;

    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(14 + 12 * pcCount));
    lines.push_back("Kestrelink Game Settings -- " + input.dateTimeText);
    lines.emplace_back();
    lines.push_back("Colors=" + input.colorCountText);
    lines.push_back("PCs=" + input.pcCountText);
    lines.emplace_back();

    lines.emplace_back("PC to PC Connection and Cable Assignments");
    for (int c = 0; c < connectorCount; ++c) {
        const int partner = partnerIn(plan, c);
        const int own = plannedCableConnector(plan, c);
        const int partners = plannedCableConnector(plan, partner);
        lines.push_back("PC Connector" + signedDecimal(c + 1) + " <-[" + trimmedDecimal(own + 1) +
                        "]---[" + trimmedDecimal(partners + 1) + "]->" +
                        signedDecimal(partner + 1));
    }
    lines.emplace_back();

    lines.emplace_back("PC Connector Color Assignments");
    for (int c = 0; c < connectorCount; ++c)
        lines.push_back(colorLine("PC Connector", c, input.pcConnectorColors));
    lines.emplace_back();

    lines.emplace_back("Cable Connector Color Assignments");
    for (int j = 0; j < connectorCount; ++j)
        lines.push_back(colorLine("Cable Connector", j, input.cableConnectorColors));
    lines.emplace_back();

    lines.emplace_back("Original Solution -- PC to PC Connection Configuration");
    addConfiguration(lines, plan, pcCount);
    lines.emplace_back();

    if (input.AllPcConnectorsPlugged) {
        lines.emplace_back("User's PC to PC Connection Configuration");
        addConfiguration(lines, input.PlayerLinks, pcCount);
    }
    return lines;
}

std::string settingsReportText(const SettingsReportInput& input) {
    std::string text;
    for (const std::string& line : settingsReportLines(input)) {
        text += line;
        text += kReportLineEnd;
    }
    return text;
}

std::string colorHexText(Color color) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(color));
    return text;
}

std::string reportDateTimeText(Clock::time_point moment) {
    const std::time_t t = Clock::to_time_t(moment);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    if (std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local) == 0)
        return {};
    return text;
}

std::string defaultReportFilePath(const std::string& appPath) {
    return appPath + "/" + kReportFileName;
}

} // namespace kestrelink
