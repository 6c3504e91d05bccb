// Where everything on the game window goes for N PCs (4..16), derived from the four-PC window
// definition: PCs in two columns, the cable row between the time boxes, the window sized to fit.
#pragma once

#include "game/TwipGeometry.h"

#include <array>
#include <vector>

namespace kestrelink {

// The four-PC window definition (positions and sizes in twips) that the layout extends.
namespace definition {
inline constexpr float kConnectorSize = 195; // PC connectors, cable connectors, cover-ups
inline constexpr float kPcWidth = 600;
inline constexpr float kPcHeight = 645;
inline constexpr float kAreaWidth = 615;
inline constexpr float kAreaHeight = 315;
inline constexpr float kCableSpacing = 540; // one cable per PC, 540 twips apart
inline constexpr float kRowSpacing = 720;   // between two PCs of one column
inline constexpr TwipRect kCommandFrame{60, 0, 5175, 975};
inline constexpr TwipRect kMessageLabel{960, 1080, 3555, 975};
inline constexpr TwipRect kFaceLeft{0, 960, 855, 915};
inline constexpr TwipRect kFaceRight{4440, 960, 855, 915};
inline constexpr TwipRect kCurrentTime{60, 2040, 1095, 315};
inline constexpr TwipRect kStartingTime{60, 2520, 1095, 315};
inline constexpr TwipRect kEndingTime{4140, 2040, 1095, 315};
inline constexpr TwipRect kElapsedTime{4140, 2520, 1095, 315};
inline constexpr TwipRect kCableBand{1320, 2220, 2475, 375};
inline constexpr float kClientWidth = 6435;
inline constexpr float kClientHeight = 4965;
} // namespace definition

// The controls that follow the window's width: centred or right-aligned.
struct WidthAlignedControls {
    float commandFrameLeft = 0; // Int((width - frame width) / 2)
    float messageLeft = 0;      // Int((width - label width) / 2)
    float rightFaceLeft = 0;    // lblSmile2 and lblFrown2: width - 855 - 200
    float endingTimeLeft = 0;   // width - 1095 - 200
    float elapsedTimeLeft = 0;  // width - 1095 - 200
};

struct BoardLayout {
    int pcCount = 0;
    std::vector<TwipRect> pcs;             // txtThePC(p), p = 0..N-1
    std::vector<TwipRect> pcConnectors;    // ThePcConnector(c), c = 0..2N-1
    std::vector<TwipRect> dropAreas;       // ThePcConnectorArea(c)
    std::vector<TwipRect> cableConnectors; // TheCableConnector(j) at home; CableCoverUp(j) too
    std::vector<TwipLine> cableSegments;   // TheCable(3k..3k+2) as start-up places them
    float windowWidth = 0;                 // outer size, border and caption included
    float windowHeight = 0;
    WidthAlignedControls aligned; // for windowWidth exactly
    float cableBandWidth = 0;     // lblCoverUpCableBackground: N x 540
};

// The whole board for n PCs, n in 4..16 (other values are clamped to that range).
BoardLayout layoutBoard(int n);

// Centring and right alignment for a window of the given outer width (the width as the platform
// really made it, which may differ from the computed one by less than a pixel).
WidthAlignedControls alignToWindowWidth(float windowWidth);

// The three segments of one cable as start-up places them, from its two connectors at home:
// stubs from each connector's right edge, 100 below its top, (540 - width) / 2 long; a riser
// joining the stub ends.
std::array<TwipLine, 3> placeCable(const TwipRect& firstEnd, const TwipRect& secondEnd);

// The redraw of one cable: stubs from the centres of its connectors (Left + Int(Width / 2),
// Top + Int(Height / 2)) across to the unchanged riser x, the riser joining their heights.
std::array<TwipLine, 3> redrawCable(const TwipRect& firstEnd, const TwipRect& secondEnd,
                                    float riserX);

// Where a cable connector dropped on PC connector c snaps: the same Top, and beside the PC
// connector on the side facing the middle of the board. `rightColumn` is whether c's area lies
// right of area 0.
TwipPoint snapPosition(const TwipRect& pcConnector, bool rightColumn);

} // namespace kestrelink
