// The palette table and the lookup of colour names.
#include "game/Palette.h"

namespace kestrelink {

namespace {

struct NamedColor {
    Color value;
    std::string_view name;
};

constexpr std::array<NamedColor, kPaletteSize + 2> kNamedColors{{
    {0x00FFFF00, "LightBlue"},
    {0x00FF0000, "Blue"},
    {0x0000C000, "Green"},
    {0x0000FFFF, "Yellow"},
    {0x00FF00FF, "Violet"},
    {0x00C0C0FF, "Pink"},
    {0x00FFFFFF, "White"},
    {0x00000080, "Brown"},
    {0x00000000, "Black"},
    {0x00FFC0FF, "LightViolet"},
    {kRed, "Red"},
    {kButtonFace, "Grey"},
}};

} // namespace

const std::array<Color, kPaletteSize>& paletteColors() {
    static const std::array<Color, kPaletteSize> palette = [] {
        std::array<Color, kPaletteSize> colors{};
        for (int i = 0; i < kPaletteSize; ++i)
            colors[static_cast<std::size_t>(i)] = kNamedColors[static_cast<std::size_t>(i)].value;
        return colors;
    }();
    return palette;
}

std::optional<std::string_view> colorName(Color color) {
    for (const NamedColor& named : kNamedColors)
        if (named.value == color)
            return named.name;
    return std::nullopt;
}

void GetColorText(const Color& theColor, std::string& colorText) {
    if (const auto name = colorName(theColor))
        colorText = *name;
}

} // namespace kestrelink
