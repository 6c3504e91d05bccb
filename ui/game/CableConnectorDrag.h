// What a dragged cable connector carries: the game window it belongs to and its index. Anything
// else dragged over the board (text, files, a connector of another or closed window) decodes to
// nothing and is refused.
#pragma once

#include <QMimeData>
#include <QtGlobal>
#include <optional>

namespace kestrelink::ui {

QMimeData* encodeCableConnectorDrag(quint64 windowToken, int index);

// The index of the dragged cable connector if `mime` carries one of the window `windowToken`.
std::optional<int> decodeCableConnectorDrag(const QMimeData* mime, quint64 windowToken);

} // namespace kestrelink::ui
