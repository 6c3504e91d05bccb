// Which symbol each palette colour carries, and black or white ink by the WCAG contrast ratio.
#include "game/ColorSymbol.h"

#include "game/Palette.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kestrelink {

namespace {

// In palette order. Colours that run together for some players get shapes of different kinds:
// LightBlue, LightViolet, White and Pink (deuteranopia and tritanopia), Blue and Violet, Green
// and Yellow, Brown and Black (protanopia). The two outlines, ring and square, go to Black and
// White, which nobody confuses and which take opposite inks; plus, dash and bar, which share
// strokes, go to Green, Pink and Blue, which no deficiency runs together.
constexpr std::array<ColorSymbol, kPaletteSize> kSymbols{
    ColorSymbol::Dot,          // LightBlue
    ColorSymbol::Bar,          // Blue
    ColorSymbol::Plus,         // Green
    ColorSymbol::TriangleUp,   // Yellow
    ColorSymbol::Diamond,      // Violet
    ColorSymbol::Dash,         // Pink
    ColorSymbol::Square,       // White
    ColorSymbol::TriangleDown, // Brown
    ColorSymbol::Ring,         // Black
    ColorSymbol::Cross,        // LightViolet
};

double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

std::optional<ColorSymbol> colorSymbol(Color color) {
    const auto& palette = paletteColors();
    const auto found = std::find(palette.begin(), palette.end(), color);
    if (found == palette.end())
        return std::nullopt;
    return kSymbols[static_cast<std::size_t>(found - palette.begin())];
}

double relativeLuminance(Color color) {
    return 0.2126 * linear(redOf(color)) + 0.7152 * linear(greenOf(color)) +
           0.0722 * linear(blueOf(color));
}

double contrastRatio(Color a, Color b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Color symbolInk(Color fill) {
    return contrastRatio(kBlack, fill) >= contrastRatio(kWhite, fill) ? kBlack : kWhite;
}

} // namespace kestrelink
