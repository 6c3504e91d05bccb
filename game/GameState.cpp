// Filling the shared state's palette at start-up.
#include "game/GameState.h"

#include "game/Palette.h"

namespace kestrelink {

void fillColorPalette(GameState& state) {
    const auto& palette = paletteColors();
    for (std::size_t i = 0; i < palette.size(); ++i)
        state.ColorPalette[i] = palette[i];
}

} // namespace kestrelink
