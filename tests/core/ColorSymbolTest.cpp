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
        const auto symbol = colorSymbol(color);
        ASSERT_TRUE(symbol.has_value());
        shapes.insert(*symbol);
        const Color ink = symbolInk(color);
        const Color other = ink == kBlack ? kWhite : kBlack;
        EXPECT_TRUE(ink == kBlack || ink == kWhite);
        EXPECT_GE(contrastRatio(ink, color), 4.5);
        EXPECT_GE(contrastRatio(ink, color), contrastRatio(other, color));
    }
    EXPECT_EQ(shapes.size(), std::size_t(kPaletteSize));
    // A cover-up's face and the wrong wiring's red are no connector colours.
    for (Color other : {kButtonFace, kMenuBar, kRed, Color{0x00808080}})
        EXPECT_FALSE(colorSymbol(other).has_value());
}

// Reference ratios from the WCAG's own definition: the extremes, the grey that just passes on
// white, and the primaries on white.
TEST(ColorSymbol, ContrastRatioFollowsWcag) {
    const struct {
        Color a, b;
        double ratio;
    } cases[] = {
        {kBlack, kWhite, 21.0},
        {kWhite, kBlack, 21.0},
        {kWhite, kWhite, 1.0},
        {rgb(0x76, 0x76, 0x76), kWhite, 4.54},
        {rgb(0x77, 0x77, 0x77), kWhite, 4.48},
        {rgb(0, 0, 255), kWhite, 8.59},
        {rgb(255, 0, 0), kWhite, 4.00},
        {rgb(0, 128, 0), kWhite, 5.14},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(contrastRatio(c.a, c.b), c.ratio, 0.005) << std::hex << c.a << " on " << c.b;
}

} // namespace
} // namespace kestrelink
