// The colour-symbol aid for players who cannot tell the palette's colours apart: one shape per
// palette colour and the ink it is drawn in. Play never reads it; the board looks it up only
// when the player asked for the aid.
#pragma once

#include "game/Color.h"

#include <optional>

namespace kestrelink {

enum class ColorSymbol {
    Dot,
    Ring,
    Square,
    Diamond,
    TriangleUp,
    TriangleDown,
    Plus,
    Cross,
    Dash,
    Bar,
};

// The symbol of a palette colour; none for any other colour (the button face of a cover-up, a
// system colour).
std::optional<ColorSymbol> colorSymbol(Color color);

// Relative luminance (0 black .. 1 white) of an RGB colour, as the WCAG contrast ratio uses it.
double relativeLuminance(Color color);

// The WCAG contrast ratio of two RGB colours, from 1 (the same) to 21 (black on white).
double contrastRatio(Color a, Color b);

// Black or white, whichever has the higher contrast against `fill`.
Color symbolInk(Color fill);

} // namespace kestrelink
