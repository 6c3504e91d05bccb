// Board layout for 4..16 PCs: pinned figures, geometric invariants and cable drawing.
#include "game/BoardLayout.h"

#include <cstddef>
#include <gtest/gtest.h>

namespace kestrelink {
namespace {

TwipPoint topLeft(const TwipRect& r) {
    return {r.left, r.top};
}

bool strictlyInside(const TwipPoint& p, const TwipRect& r) {
    return r.left < p.x && p.x < r.right() && r.top < p.y && p.y < r.bottom();
}

bool overlap(const TwipRect& a, const TwipRect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

TEST(BoardLayout, FourPcsEqualTheWindowDefinition) {
    const BoardLayout b = layoutBoard(4);
    ASSERT_EQ(b.pcs.size(), 4u);
    ASSERT_EQ(b.cableSegments.size(), 12u);
    EXPECT_EQ(b.pcs[3], (TwipRect{4500, 3900, 600, 645}));
    EXPECT_EQ(b.pcConnectors[2], (TwipRect{4260, 3240, 195, 195}));
    EXPECT_EQ(b.pcConnectors[5], (TwipRect{780, 4140, 195, 195}));
    EXPECT_EQ(b.dropAreas[7], (TwipRect{3900, 4260, 615, 315}));
    EXPECT_EQ(b.dropAreas[0], (TwipRect{720, 3000, 615, 315}));
    const float cableLefts[] = {1500, 2100, 2640, 3180};
    for (std::size_t j = 0; j < 8; ++j)
        EXPECT_EQ(b.cableConnectors[j],
                  (TwipRect{cableLefts[j / 2], j % 2 ? 2640.f : 2040.f, 195, 195}));

    EXPECT_EQ(b.windowWidth, 5300);
    EXPECT_EQ(b.windowHeight, 5045);
    EXPECT_EQ(b.aligned.commandFrameLeft, 62);
    EXPECT_EQ(b.aligned.messageLeft, 872);
    EXPECT_EQ(b.aligned.rightFaceLeft, 4245);
    EXPECT_EQ(b.aligned.endingTimeLeft, 4005);
    EXPECT_EQ(b.aligned.elapsedTimeLeft, 4005);
    EXPECT_EQ(b.cableBandWidth, 2160);
    // Snapped beside the PC connector, on the side facing the middle.
    EXPECT_EQ(snapPosition(b.pcConnectors[0], false), (TwipPoint{975, 3060}));
    EXPECT_EQ(snapPosition(b.pcConnectors[2], true), (TwipPoint{4065, 3240}));
}

TEST(BoardLayout, FivePcsAddALeftPcAndShiftTheRightColumn) {
    const BoardLayout b = layoutBoard(5);
    EXPECT_EQ(topLeft(b.pcs[4]), (TwipPoint{120, 4440}));
    EXPECT_EQ(topLeft(b.pcConnectors[8]), (TwipPoint{780, 4500}));
    EXPECT_EQ(topLeft(b.pcConnectors[9]), (TwipPoint{780, 4860}));
    EXPECT_EQ(topLeft(b.dropAreas[9]), (TwipPoint{720, 4800}));
    EXPECT_EQ(topLeft(b.cableConnectors[8]), (TwipPoint{3720, 2040}));
    EXPECT_EQ(topLeft(b.cableConnectors[9]), (TwipPoint{3720, 2640}));
    EXPECT_EQ(b.pcs[1].left, 5040);
    EXPECT_EQ(b.pcs[3].left, 5040);
    EXPECT_EQ(b.pcConnectors[7].left, 4800);
    EXPECT_EQ(b.dropAreas[2].left, 4440);
    // The left column does not move.
    EXPECT_EQ(b.pcs[2].left, 120);
    EXPECT_EQ(b.windowWidth, 5840);
    EXPECT_EQ(b.windowHeight, 4440 + 645 + 500);
}

TEST(BoardLayout, SixteenPcs) {
    const BoardLayout b = layoutBoard(16);
    ASSERT_EQ(b.cableConnectors.size(), 32u);
    ASSERT_EQ(b.cableSegments.size(), 48u);
    EXPECT_EQ(b.windowWidth, 11780);
    EXPECT_EQ(b.windowHeight, 9365);
    EXPECT_EQ(b.cableConnectors[31].left, 9660);
    EXPECT_EQ(definition::kCableBand.left + b.cableBandWidth, 9960);
    EXPECT_EQ(b.aligned.commandFrameLeft, 3302); // Int(3302.5)
    EXPECT_EQ(b.aligned.endingTimeLeft, 11780 - 1095 - 200);
}

TEST(BoardLayout, AlignmentDropsTheFraction) {
    EXPECT_EQ(alignToWindowWidth(5301).commandFrameLeft, 63);
    EXPECT_EQ(alignToWindowWidth(5300.9f).messageLeft, 872);
    EXPECT_EQ(alignToWindowWidth(5302.5f).rightFaceLeft, 4247.5f);
}

TEST(BoardLayout, StartUpPlacesEachCableAsABracketRightOfItsConnectors) {
    const BoardLayout b = layoutBoard(4);
    EXPECT_EQ(b.cableSegments[0], (TwipLine{1695, 2140, 1867.5f, 2140}));
    EXPECT_EQ(b.cableSegments[1], (TwipLine{1695, 2740, 1867.5f, 2740}));
    EXPECT_EQ(b.cableSegments[2], (TwipLine{1867.5f, 2140, 1867.5f, 2740}));
    for (int n = 4; n <= 16; ++n) {
        const BoardLayout l = layoutBoard(n);
        for (std::size_t k = 0; k < l.cableConnectors.size() / 2; ++k)
            EXPECT_EQ(l.cableSegments[3 * k + 2].x1, l.cableConnectors[2 * k].left + 367.5f);
    }
}

// What play relies on: a snapped connector is recognised on its own area and on no other, and
// a connector at home is on none.
TEST(BoardLayout, GeometryHoldsForEveryBoardSize) {
    for (int n = 4; n <= 16; ++n) {
        SCOPED_TRACE(n);
        const BoardLayout b = layoutBoard(n);
        const auto count = static_cast<std::size_t>(2 * n);
        ASSERT_EQ(b.dropAreas.size(), count);
        for (std::size_t p = 0; p + 1 < b.pcs.size(); ++p)
            EXPECT_LT(b.pcs[p].bottom(), b.pcs.back().bottom());
        EXPECT_EQ(b.windowHeight, b.pcs.back().bottom() + 500);
        for (std::size_t c = 0; c < count; ++c) {
            const TwipRect& area = b.dropAreas[c];
            EXPECT_TRUE(strictlyInside(topLeft(b.pcConnectors[c]), area));
            EXPECT_LE(b.pcConnectors[c].right(), area.right());
            EXPECT_LE(b.pcConnectors[c].bottom(), area.bottom());
            const bool right = area.left > b.dropAreas[0].left;
            EXPECT_EQ(right, c % 4 >= 2);
            const TwipPoint snapped = snapPosition(b.pcConnectors[c], right);
            for (std::size_t other = 0; other < count; ++other) {
                EXPECT_EQ(strictlyInside(snapped, b.dropAreas[other]), other == c)
                    << c << "/" << other;
                if (other != c) {
                    EXPECT_FALSE(overlap(area, b.dropAreas[other])) << c << "/" << other;
                }
            }
            for (const TwipRect& home : b.cableConnectors)
                EXPECT_FALSE(strictlyInside(topLeft(home), area));
        }
    }
}

TEST(BoardLayout, RedrawRunsFromConnectorCentresToTheKeptRiser) {
    const BoardLayout b = layoutBoard(4);
    const TwipRect a = b.cableConnectors[0];
    const float riserX = b.cableSegments[2].x1;
    const auto once = redrawCable(a, b.cableConnectors[1], riserX);
    EXPECT_EQ(once[0], (TwipLine{1597, 2137, 1867.5f, 2137}));
    EXPECT_EQ(once[1], (TwipLine{1597, 2737, 1867.5f, 2737}));
    EXPECT_EQ(once[2], (TwipLine{1867.5f, 2137, 1867.5f, 2737}));
    EXPECT_EQ(redrawCable(a, b.cableConnectors[1], once[2].x1), once);

    // Second end plugged into a right-hand PC connector, beyond the riser; first end on the
    // same height: the stub runs leftwards and the riser has zero length.
    const TwipRect farRight{4065, 2040, 195, 195};
    const auto moved = redrawCable(a, farRight, riserX);
    EXPECT_EQ(moved[1], (TwipLine{4162, 2137, 1867.5f, 2137}));
    EXPECT_EQ(moved[2], (TwipLine{1867.5f, 2137, 1867.5f, 2137}));
}

} // namespace
} // namespace kestrelink
