// Extends the four-PC board of the window definition to N PCs and places the cables on it.
#include "game/BoardLayout.h"

#include "game/Numbering.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace kestrelink {

namespace {

using namespace definition;

// Top-left corners of the instances the window definition carries.
constexpr std::array<TwipPoint, 4> kTemplatePcs{
    {{120, 3000}, {4500, 3180}, {120, 3720}, {4500, 3900}}};
constexpr std::array<TwipPoint, 8> kTemplatePcConnectors{{{780, 3060},
                                                          {780, 3420},
                                                          {4260, 3240},
                                                          {4260, 3600},
                                                          {780, 3780},
                                                          {780, 4140},
                                                          {4260, 3960},
                                                          {4260, 4320}}};
constexpr std::array<TwipPoint, 8> kTemplateAreas{{{720, 3000},
                                                   {720, 3360},
                                                   {3900, 3180},
                                                   {3900, 3540},
                                                   {720, 3720},
                                                   {720, 4080},
                                                   {3900, 3900},
                                                   {3900, 4260}}};
constexpr std::array<TwipPoint, 8> kTemplateCableConnectors{{{1500, 2040},
                                                             {1500, 2640},
                                                             {2100, 2040},
                                                             {2100, 2640},
                                                             {2640, 2040},
                                                             {2640, 2640},
                                                             {3180, 2040},
                                                             {3180, 2640}}};

// Stubs leave a connector this far below its top when start-up places the cables.
constexpr float kStubDrop = 100;
// Right-aligned controls keep this margin to the window's outer right edge.
constexpr float kRightMargin = 200;
// Between the lowest PC's bottom and the window's outer bottom edge.
constexpr float kBottomMargin = 500;

template <std::size_t Count>
std::vector<TwipRect> fromTemplate(const std::array<TwipPoint, Count>& corners, std::size_t used,
                                   float width, float height) {
    std::vector<TwipRect> rects;
    rects.reserve(used);
    for (std::size_t i = 0; i < std::min(used, Count); ++i)
        rects.push_back({corners[i].x, corners[i].y, width, height});
    return rects;
}

// A new instance copies instance 0 (size included), then takes its position from an earlier one.
TwipRect below(const std::vector<TwipRect>& rects, std::size_t from, float down) {
    TwipRect r = rects.front();
    r.left = rects[from].left;
    r.top = rects[from].top + down;
    return r;
}

} // namespace

BoardLayout layoutBoard(int n) {
    n = std::clamp(n, kMinPcs, kMaxPcs);
    const auto pcCount = static_cast<std::size_t>(n);
    const auto connectorCount = 2 * pcCount;
    const float shift = static_cast<float>(n - kMinPcs) * kCableSpacing;

    BoardLayout layout;
    layout.pcCount = n;
    layout.pcs = fromTemplate(kTemplatePcs, pcCount, kPcWidth, kPcHeight);
    layout.pcConnectors =
        fromTemplate(kTemplatePcConnectors, connectorCount, kConnectorSize, kConnectorSize);
    layout.dropAreas = fromTemplate(kTemplateAreas, connectorCount, kAreaWidth, kAreaHeight);
    layout.cableConnectors =
        fromTemplate(kTemplateCableConnectors, connectorCount, kConnectorSize, kConnectorSize);

    // The extension runs in the same order as the window's start-up, each new instance placed
    // from one already placed, so the two can never drift apart.
    for (std::size_t j = kTemplateCableConnectors.size(); j < connectorCount; ++j) {
        TwipRect r = layout.cableConnectors.front();
        r.left = layout.cableConnectors[j - 2].left + kCableSpacing;
        r.top = layout.cableConnectors[j - 2].top;
        layout.cableConnectors.push_back(r);
    }
    for (std::size_t p = kTemplatePcs.size(); p < pcCount; ++p)
        layout.pcs.push_back(below(layout.pcs, p - 2, kRowSpacing));

    // Taken from the template before anything moves: the right column's new Lefts.
    const float rightPc = kTemplatePcs[1].x + shift;
    const float rightConnector = kTemplatePcConnectors[2].x + shift;
    const float rightArea = kTemplateAreas[2].x + shift;

    for (std::size_t c = kTemplateAreas.size(); c < connectorCount; ++c) {
        layout.dropAreas.push_back(below(layout.dropAreas, c - 4, kRowSpacing));
        layout.pcConnectors.push_back(below(layout.pcConnectors, c - 4, kRowSpacing));
    }
    for (std::size_t p = 1; p < pcCount; p += 2)
        layout.pcs[p].left = rightPc;
    for (std::size_t c = 2; c < connectorCount; c += 4) {
        layout.pcConnectors[c].left = layout.pcConnectors[c + 1].left = rightConnector;
        layout.dropAreas[c].left = layout.dropAreas[c + 1].left = rightArea;
    }

    layout.cableSegments.reserve(3 * pcCount);
    for (std::size_t k = 0; k < pcCount; ++k) {
        const auto lines =
            placeCable(layout.cableConnectors[2 * k], layout.cableConnectors[2 * k + 1]);
        layout.cableSegments.insert(layout.cableSegments.end(), lines.begin(), lines.end());
    }

    // PC N-1 is the lowest whether N is even (right column, 180 lower) or odd (a left PC one
    // row below the last right one).
    layout.windowHeight = layout.pcs.back().bottom() + kBottomMargin;
    layout.windowWidth = layout.pcs[1].right() + kRightMargin;
    layout.aligned = alignToWindowWidth(layout.windowWidth);
    layout.cableBandWidth = static_cast<float>(n) * kCableSpacing;
    return layout;
}

WidthAlignedControls alignToWindowWidth(float windowWidth) {
    WidthAlignedControls aligned;
    aligned.commandFrameLeft = std::floor((windowWidth - kCommandFrame.width) / 2);
    aligned.messageLeft = std::floor((windowWidth - kMessageLabel.width) / 2);
    aligned.rightFaceLeft = windowWidth - kFaceRight.width - kRightMargin;
    aligned.endingTimeLeft = windowWidth - kEndingTime.width - kRightMargin;
    aligned.elapsedTimeLeft = windowWidth - kElapsedTime.width - kRightMargin;
    return aligned;
}

std::array<TwipLine, 3> placeCable(const TwipRect& firstEnd, const TwipRect& secondEnd) {
    const auto stub = [](const TwipRect& end) {
        const float x1 = end.right();
        const float y = end.top + kStubDrop;
        return TwipLine{x1, y, x1 + (kCableSpacing - end.width) / 2, y};
    };
    const TwipLine first = stub(firstEnd);
    const TwipLine second = stub(secondEnd);
    // The riser hangs from the first stub's end; a second end placed elsewhere still meets it
    // at the next redraw.
    const TwipLine riser{first.x2, first.y1, first.x2, second.y1};
    return {first, second, riser};
}

std::array<TwipLine, 3> redrawCable(const TwipRect& firstEnd, const TwipRect& secondEnd,
                                    float riserX) {
    const auto centre = [](const TwipRect& r) {
        return TwipPoint{r.left + std::floor(r.width / 2), r.top + std::floor(r.height / 2)};
    };
    const TwipPoint a = centre(firstEnd);
    const TwipPoint b = centre(secondEnd);
    return {TwipLine{a.x, a.y, riserX, a.y}, TwipLine{b.x, b.y, riserX, b.y},
            TwipLine{riserX, a.y, riserX, b.y}};
}

TwipPoint snapPosition(const TwipRect& pcConnector, bool rightColumn) {
    // The offset is the PC connector's width, not the cable connector's: both are 195 twips on
    // this board, and the drop areas leave room for exactly that beside the PC connector.
    const float left =
        rightColumn ? pcConnector.left - pcConnector.width : pcConnector.left + pcConnector.width;
    return {left, pcConnector.top};
}

} // namespace kestrelink
