// Where an arrow key takes the keyboard focus on the board: to the nearest connector whose centre
// lies that way. A step across the arrow's direction weighs twice a step along it, so the focus
// keeps to its row of cable connectors or its column of PC connectors before it jumps to another.
#pragma once

#include <QRect>
#include <optional>
#include <vector>

namespace kestrelink::ui {

// The index into `candidates` that the arrow key `key` leads to from `from`, or none when no
// candidate lies that way. Of equally near candidates the first wins.
std::optional<std::size_t> arrowNeighbour(const QRect& from, const std::vector<QRect>& candidates,
                                          int key);

// Whether `key` is one of the four arrow keys.
bool isArrowKey(int key);

} // namespace kestrelink::ui
