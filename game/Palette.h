// The ten connector colours and the names the game gives its colours.
#pragma once

#include "game/Color.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kestrelink {

inline constexpr int kPaletteSize = 10;

// In palette order: LightBlue, Blue, Green, Yellow, Violet, Pink, White, Brown, Black, LightViolet.
const std::array<Color, kPaletteSize>& paletteColors();

// The name of a palette colour, of red ("Red") or of button face ("Grey"); none for others.
std::optional<std::string_view> colorName(Color color);

// Stores the name of `theColor` in `colorText`; for a colour without a name it leaves
// `colorText` exactly as the caller passed it.
void GetColorText(const Color& theColor, std::string& colorText);

} // namespace kestrelink
