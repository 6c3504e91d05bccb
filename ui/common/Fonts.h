// Fonts of the window definitions, mapped to faces that exist on Linux.
#pragma once

#include "game/Color.h"

#include <QColor>
#include <QFont>

namespace kestrelink::ui {

// The classic 8.25 pt dialog font in a sans-serif face that Linux has (Liberation Sans, metric
// compatible with the classic face, falling back to any sans-serif). Sizes are in points at the
// board's scale of 20 twips per point, so text keeps its proportion to the twip geometry
// whatever the screen's DPI.
QFont dialogFont(double points = 8.25, bool bold = false);

// A board colour (0x00BBGGRR, or a system colour) as a QColor for painting.
QColor toQColor(Color color);

} // namespace kestrelink::ui
