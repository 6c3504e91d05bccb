// Taking the settings in range, and filling the puzzle's palette at start-up.
#include "game/GameState.h"

#include "game/Palette.h"

#include <algorithm>

namespace kestrelink {

GameSettings checkedSettings(int numberOfPcs, int colorCount, bool advancedLevel) {
    GameSettings settings;
    settings.NumberOfPCs = static_cast<std::int16_t>(std::clamp(numberOfPcs, kMinPcs, kMaxPcs));
    settings.ColorCount = std::clamp(colorCount, kMinColors, kMaxColors);
    settings.AdvancedLevel = advancedLevel;
    return settings;
}

void fillColorPalette(Puzzle& puzzle) {
    const auto& palette = paletteColors();
    for (std::size_t i = 0; i < palette.size(); ++i)
        puzzle.ColorPalette[i] = palette[i];
}

} // namespace kestrelink
