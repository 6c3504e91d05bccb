// The colour-symbol aid as the board shows it: on or off for the whole run, and the symbol that
// a connector's colour patch carries.
#pragma once

#include "game/Color.h"

#include <QPainter>
#include <QRectF>

namespace kestrelink::ui {

// Chosen once, from the command line, before any board is built; off unless asked for.
void setColorSymbolsShown(bool shown);
bool colorSymbolsShown();

// With the aid on, the symbol of `color` in its ink on the colour patch `patch`. A colour
// without a symbol, such as a cover-up's, gets nothing.
void paintColorSymbolOf(QPainter& painter, Color color, const QRectF& patch);

} // namespace kestrelink::ui
