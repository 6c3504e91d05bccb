// The start-up window's still picture of four PCs cabled into a ring: four caption-less frames,
// each with a PC and the coloured squares of its connectors, and the cables between them as
// thick lines drawn on the window beneath its controls.
#pragma once

#include "game/TwipGeometry.h"

#include <QPainter>
#include <QWidget>
#include <array>

namespace kestrelink::ui {

// Line1..Line12 in window twips.
inline constexpr std::array<TwipLine, 12> kComputerRingCables{{
    {1440, 4800, 1980, 4800},
    {1980, 4800, 1980, 5160},
    {2940, 5160, 1980, 5160},
    {1440, 5160, 1800, 5160},
    {1800, 5160, 1800, 5820},
    {1440, 5820, 1800, 5820},
    {3000, 5880, 2280, 5880},
    {1440, 6060, 2280, 6060},
    {2280, 5880, 2280, 6060},
    {3000, 4860, 2520, 4860},
    {3000, 6120, 2520, 6120},
    {2520, 4860, 2520, 6120},
}};

// Creates frmForm3PC(0..3) with their contents, and txtForm3CableConnector(0) on the window
// itself, as children of `window`.
void buildComputerRing(QWidget* window);

// Draws the cables, 4 pixels wide and black.
void paintComputerRingCables(QPainter& painter);

} // namespace kestrelink::ui
