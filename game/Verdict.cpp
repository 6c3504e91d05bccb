// The occupancy scan and the ring walk that judge the board after every redraw.
#include "game/Verdict.h"

#include "game/Numbering.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace kestrelink {

namespace {

// Connectors in use, bounded by the table so that a bad count cannot write past row 32.
int usedConnectors(int pcCount) {
    return std::clamp(2 * pcCount, 0, 2 * kMaxPcs);
}

// Only the top-left corner counts, and only strictly inside: a corner on the edge lies in no
// area. The far sides are summed in single precision, as positions are held.
bool cornerInside(const TwipRect& area, const TwipPoint& corner) {
    const float right = area.left + area.width;
    const float bottom = area.top + area.height;
    return area.left < corner.x && corner.x < right && area.top < corner.y && corner.y < bottom;
}

} // namespace

void scanOccupancy(BoardState& board, int pcCount, const std::vector<TwipRect>& dropAreas,
                   const std::vector<TwipPoint>& cableConnectorTopLefts) {
    board.PcRingIsCorrect = false;
    board.AllPcConnectorsPlugged = true;
    const int count = usedConnectors(pcCount);
    // Missing entries count as an empty area and an absent connector rather than a crash.
    const int areas = std::min(count, static_cast<int>(dropAreas.size()));
    const int corners = std::min(count, static_cast<int>(cableConnectorTopLefts.size()));
    for (int c = 0; c < count; ++c) {
        auto& plug = at(board.PcConnectorPlug, c);
        plug = {kNone, 0};
        // Lowest j wins: two connectors on one area leave some other area empty anyway.
        for (int j = 0; c < areas && j < corners; ++j) {
            if (cornerInside(at(dropAreas, c), at(cableConnectorTopLefts, j))) {
                plug[0] = static_cast<std::int16_t>(j);
                break;
            }
        }
        if (plug[0] == kNone)
            board.AllPcConnectorsPlugged = false;
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
void walkRing(BoardState& board, int pcCount) {
    const int count = usedConnectors(pcCount);
    const auto& plugs = board.PcConnectorPlug;
    for (int c = 0; c < count; ++c)
        at(board.PlayerLinks, c) = {kNone, kNone};

    std::array<bool, kTableRows> visited{};
    const auto isVisited = [&](int c) { return at(visited, c); };
    const auto firstWith = [&](auto predicate) {
        for (int c = 0; c < count; ++c)
            if (predicate(c))
                return c;
        return static_cast<int>(kNone);
    };

    board.PcRingIsCorrect = true;
    int cur = 0;
    for (int cablesLeft = count / 2; cablesLeft > 0; --cablesLeft) {
        if (isVisited(cur)) {
            board.PcRingIsCorrect = false;
            cur = firstWith([&](int c) { return !isVisited(c); });
            if (cur == kNone)
                break;
        }
        at(visited, cur) = true;

        const int j = at(plugs, cur)[0];
        const int farEnd = j >= 0 && j < count ? otherEndOfCable(j) : kNone;
        const int far =
            farEnd == kNone ? kNone : firstWith([&](int c) { return at(plugs, c)[0] == farEnd; });
        if (far == kNone) {
            // cur is visited now, so the next round restarts from the lowest unvisited one.
            board.PcRingIsCorrect = false;
            continue;
        }
        at(visited, far) = true;
        at(board.PlayerLinks, cur)[0] = static_cast<std::int16_t>(far);
        at(board.PlayerLinks, far)[0] = static_cast<std::int16_t>(cur);
        cur = otherConnectorOfSamePc(far);
    }
}

Verdict judgeBoard(BoardState& board, int pcCount, const std::vector<TwipRect>& dropAreas,
                   const std::vector<TwipPoint>& cableConnectorTopLefts) {
    scanOccupancy(board, pcCount, dropAreas, cableConnectorTopLefts);
    if (!board.AllPcConnectorsPlugged)
        return Verdict::Incomplete;
    walkRing(board, pcCount);
    return board.PcRingIsCorrect ? Verdict::Correct : Verdict::Wrong;
}

} // namespace kestrelink
