// The run's choice of the colour-symbol aid, and a colour's symbol painted in its ink.
#include "ui/common/ColorSymbols.h"

#include "game/ColorSymbol.h"
#include "ui/common/Fonts.h"
#include "ui/common/Pictograms.h"

namespace kestrelink::ui {

namespace {

bool symbolsShown = false;

} // namespace

void setColorSymbolsShown(bool shown) {
    symbolsShown = shown;
}

bool colorSymbolsShown() {
    return symbolsShown;
}

void paintColorSymbolOf(QPainter& painter, Color color, const QRectF& patch) {
    if (!symbolsShown)
        return;
    if (const auto symbol = colorSymbol(color))
        paintColorSymbol(painter, *symbol, patch, toQColor(symbolInk(color)));
}

} // namespace kestrelink::ui
