// Judging the board: which cable connector lies on which PC connector, and whether the cables
// join all PCs into one ring. Works on positions only; the board supplies them.
#pragma once

#include "game/GameState.h"
#include "game/TwipGeometry.h"

#include <vector>

namespace kestrelink {

// Occupancy scan of a board of pcCount PCs: for every PC connector c = 0..2N-1, the lowest
// cable connector j whose top-left corner lies strictly inside drop area c goes to
// PcConnectorPlug(c,0), else kNone; column 1 is reset to 0. Sets AllPcConnectorsPlugged and
// clears PcRingIsCorrect. dropAreas and cableConnectorTopLefts have 2N entries each.
void scanOccupancy(BoardState& board, int pcCount, const std::vector<TwipRect>& dropAreas,
                   const std::vector<TwipPoint>& cableConnectorTopLefts);

// Ring walk over a fully plugged board: resets PlayerLinks rows 0..2N-1, records every cable's
// two PC connectors in it and sets PcRingIsCorrect. Must only run when AllPcConnectorsPlugged.
void walkRing(BoardState& board, int pcCount);

// Scan, then walk when every PC connector is plugged. Returns the outcome.
Verdict judgeBoard(BoardState& board, int pcCount, const std::vector<TwipRect>& dropAreas,
                   const std::vector<TwipPoint>& cableConnectorTopLefts);

} // namespace kestrelink
