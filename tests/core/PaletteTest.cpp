// The palette's order and values, and the colour names the game report relies on.
#include "game/Palette.h"

#include "game/Color.h"
#include "game/GameState.h"

#include <gtest/gtest.h>
#include <string>

namespace kestrelink {
namespace {

std::string nameOf(Color color, std::string callerText = "") {
    GetColorText(color, callerText);
    return callerText;
}

TEST(Palette, HoldsTheTenColoursInOrderWithTheirNames) {
    const struct {
        Color value;
        int red, green, blue;
        const char* name;
    } expected[] = {
        {0x00FFFF00, 0, 255, 255, "LightBlue"}, {0x00FF0000, 0, 0, 255, "Blue"},
        {0x0000C000, 0, 192, 0, "Green"},       {0x0000FFFF, 255, 255, 0, "Yellow"},
        {0x00FF00FF, 255, 0, 255, "Violet"},    {0x00C0C0FF, 255, 192, 192, "Pink"},
        {0x00FFFFFF, 255, 255, 255, "White"},   {0x00000080, 128, 0, 0, "Brown"},
        {0x00000000, 0, 0, 0, "Black"},         {0x00FFC0FF, 255, 192, 255, "LightViolet"},
    };
    Puzzle state;
    fillColorPalette(state);
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const auto& e = expected[i];
        SCOPED_TRACE(e.name);
        EXPECT_EQ(paletteColors()[i], e.value);
        EXPECT_EQ(state.ColorPalette[i], e.value);
        EXPECT_EQ(rgb(e.red, e.green, e.blue), e.value);
        EXPECT_EQ(redOf(e.value), e.red);
        EXPECT_EQ(greenOf(e.value), e.green);
        EXPECT_EQ(blueOf(e.value), e.blue);
        EXPECT_EQ(nameOf(e.value), e.name);
    }
    // Entry 10 is never filled.
    EXPECT_EQ(state.ColorPalette[10], 0u);
}

TEST(GetColorText, NamesRedAndButtonFace) {
    EXPECT_EQ(nameOf(0x000000FF), "Red");
    EXPECT_EQ(nameOf(kRed), "Red");
    EXPECT_EQ(nameOf(0x8000000F), "Grey");
    EXPECT_TRUE(isSystemColor(kButtonFace));
    EXPECT_FALSE(isSystemColor(kBlack));
}

TEST(GetColorText, OverwritesWhateverTheCallerPassedForANamedColour) {
    EXPECT_EQ(nameOf(kBlack, "something long"), "Black");
}

TEST(GetColorText, LeavesTheCallersTextAloneForAnUnnamedColour) {
    EXPECT_EQ(nameOf(1, ""), "");
    EXPECT_EQ(nameOf(1, "Unchanged"), "Unchanged");
    // The menu-bar colour is a system colour without a name here.
    EXPECT_EQ(nameOf(kMenuBar, "Keep"), "Keep");
    EXPECT_EQ(nameOf(0x010000FF, "Keep"), "Keep");
    EXPECT_FALSE(colorName(0x00808080).has_value());
}

} // namespace
} // namespace kestrelink
