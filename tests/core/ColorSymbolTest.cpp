// The colour-symbol aid's rule: a shape of its own for every palette colour and none for other
// colours, in ink that stands out from the colour by a WCAG contrast ratio of at least 4.5 : 1.
#include "game/ColorSymbol.h"

#include "game/Palette.h"

#include <gtest/gtest.h>
#include <set>

namespace kestrelink {
namespace {

TEST(ColorSymbol, EveryPaletteColourHasAShapeOfItsOwnInLegibleInk) {
    std::set<ColorSymbol> shapes;
    for (Color color : paletteColors()) {
        SCOPED_TRACE(std::string(*colorName(color)));
        ASSERT_TRUE(colorSymbol(color).has_value());
        shapes.insert(*colorSymbol(color));
        const Color ink = symbolInk(color);
        ASSERT_TRUE(ink == kBlack || ink == kWhite);
        EXPECT_GE(contrastRatio(ink, color), 4.5);
        EXPECT_GE(contrastRatio(ink, color), contrastRatio(ink == kBlack ? kWhite : kBlack, color));
    }
    EXPECT_EQ(shapes.size(), std::size_t(kPaletteSize));
    // A cover-up's face and the wrong wiring's red are no connector colours.
    for (Color other : {kButtonFace, kMenuBar, kRed, Color{0x00808080}})
        EXPECT_FALSE(colorSymbol(other).has_value());
}

// Reference ratios of the WCAG: the extremes, the grey that just passes on white, pure blue.
TEST(ColorSymbol, ContrastRatioFollowsWcag) {
    EXPECT_NEAR(contrastRatio(kBlack, kWhite), 21.0, 0.005);
    EXPECT_NEAR(contrastRatio(kWhite, kBlack), 21.0, 0.005);
    EXPECT_NEAR(contrastRatio(kWhite, kWhite), 1.0, 0.005);
    EXPECT_NEAR(contrastRatio(rgb(0x76, 0x76, 0x76), kWhite), 4.54, 0.005);
    EXPECT_NEAR(contrastRatio(rgb(0, 0, 255), kWhite), 8.59, 0.005);
}

} // namespace
} // namespace kestrelink
