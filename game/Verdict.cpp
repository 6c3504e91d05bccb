// The occupancy scan and the ring walk that judge the board after every redraw.
#include "game/Verdict.h"

#include "game/Numbering.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace kestrelink {

namespace {

constexpr std::int16_t kVisited = -1;
constexpr std::int16_t kUnvisited = 0;

// Connectors in use, bounded by the table so that a bad NumberOfPCs cannot write past row 32.
int usedConnectors(const GameState& state) {
    return std::clamp(state.connectorCount(), 0, 2 * kMaxPcs);
}

// Only the top-left corner counts, and only strictly inside: a corner on the edge lies in no
// area. The far sides are summed in single precision, as positions are held.
bool cornerInside(const TwipRect& area, const TwipPoint& corner) {
    const float right = area.left + area.width;
    const float bottom = area.top + area.height;
    return area.left < corner.x && corner.x < right && area.top < corner.y && corner.y < bottom;
}

std::size_t row(int index) {
    return static_cast<std::size_t>(index);
}

} // namespace

void scanOccupancy(GameState& state, const std::vector<TwipRect>& dropAreas,
                   const std::vector<TwipPoint>& cableConnectorTopLefts) {
    state.PcRingIsCorrect = false;
    state.AllPcConnectorsPlugged = true;
    const int count = usedConnectors(state);
    // Missing entries count as an empty area and an absent connector rather than a crash.
    const int areas = std::min(count, static_cast<int>(dropAreas.size()));
    const int corners = std::min(count, static_cast<int>(cableConnectorTopLefts.size()));
    for (int c = 0; c < count; ++c) {
        auto& plug = state.PcConnectorPlug[row(c)];
        plug = {kNone, kUnvisited};
        // Lowest j wins: two connectors on one area leave some other area empty anyway.
        for (int j = 0; c < areas && j < corners; ++j) {
            if (cornerInside(dropAreas[row(c)], cableConnectorTopLefts[row(j)])) {
                plug[0] = static_cast<std::int16_t>(j);
                break;
            }
        }
        if (plug[0] == kNone)
            state.AllPcConnectorsPlugged = false;
    }
}

// Follows the cable from each PC connector to its far end, then steps to the other connector of
// that PC. A single ring returns to connector 0 after exactly N cables without meeting a visited
// connector; anything else meets one early and restarts from the lowest unvisited connector, so
// that PlayerLinks still records every cable.
//
// On a board from play every cable connector lies on at most one area, so with all PC
// connectors plugged the far end is always found. Given a state where it is not (overlapping
// areas, a plug out of range, a board not fully plugged), the wiring is reported Wrong, that
// connector keeps no partner and the walk goes on from the next unvisited connector; it never
// leaves rows 0..2N-1 and follows at most N cables.
void walkRing(GameState& state) {
    const int count = usedConnectors(state);
    auto& plugs = state.PcConnectorPlug;
    for (int c = 0; c < count; ++c) {
        state.PlayerLinks[row(c)] = {kNone, kNone};
        // The scan has just cleared these; clearing again keeps the walk correct on its own.
        plugs[row(c)][1] = kUnvisited;
    }

    const auto isVisited = [&](int c) { return plugs[row(c)][1] == kVisited; };
    const auto firstWith = [&](auto predicate) {
        for (int c = 0; c < count; ++c)
            if (predicate(c))
                return c;
        return static_cast<int>(kNone);
    };

    state.PcRingIsCorrect = true;
    int cur = 0;
    for (int cablesLeft = count / 2; cablesLeft > 0; --cablesLeft) {
        if (isVisited(cur)) {
            state.PcRingIsCorrect = false;
            cur = firstWith([&](int c) { return !isVisited(c); });
            if (cur == kNone)
                break;
        }
        plugs[row(cur)][1] = kVisited;

        const int j = plugs[row(cur)][0];
        const int farEnd = j >= 0 && j < count ? otherEndOfCable(j) : kNone;
        const int far =
            farEnd == kNone ? kNone : firstWith([&](int c) { return plugs[row(c)][0] == farEnd; });
        if (far == kNone) {
            // cur is visited now, so the next round restarts from the lowest unvisited one.
            state.PcRingIsCorrect = false;
            continue;
        }
        plugs[row(far)][1] = kVisited;
        state.PlayerLinks[row(cur)][0] = static_cast<std::int16_t>(far);
        state.PlayerLinks[row(far)][0] = static_cast<std::int16_t>(cur);
        cur = otherConnectorOfSamePc(far);
    }
}

Verdict judgeBoard(GameState& state, const std::vector<TwipRect>& dropAreas,
                   const std::vector<TwipPoint>& cableConnectorTopLefts) {
    scanOccupancy(state, dropAreas, cableConnectorTopLefts);
    if (!state.AllPcConnectorsPlugged)
        return Verdict::Incomplete;
    walkRing(state);
    return state.PcRingIsCorrect ? Verdict::Correct : Verdict::Wrong;
}

} // namespace kestrelink
