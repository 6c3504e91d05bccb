// Pictograms drawn by the program itself as vectors, sharp at any scale: the desktop computer,
// the smiling and frowning faces, the pair of heavy arrows, the colour symbols, and the window
// icon.
#pragma once

#include "game/ColorSymbol.h"

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QRectF>

namespace kestrelink::ui {

// A desktop computer (monitor on a base unit) fitted and centred in `box`, drawn in `ink`.
void paintComputer(QPainter& painter, const QRectF& box, const QColor& ink);

// A round face fitted and centred in `box`: outline, two eyes and a smiling or frowning mouth.
void paintFace(QPainter& painter, const QRectF& box, const QColor& ink, bool smiling);

// Two heavy arrows, one pointing left and one pointing right, side by side in `box`.
void paintDoubleArrow(QPainter& painter, const QRectF& box, const QColor& ink);

// A colour symbol in `ink`, centred in a connector's colour patch `patch`, with a margin of the
// colour around it. Its edges fall on whole device pixels, so it is as sharp on a scaled screen
// as at scale 1 and looks the same on every connector.
void paintColorSymbol(QPainter& painter, ColorSymbol symbol, const QRectF& patch,
                      const QColor& ink);

// The window icon, two PCs joined by a cable, painted on the `size` x `size` square at the
// painter's origin. The desktop's icon files are painted by this too.
void paintWindowIcon(QPainter& painter, int size);

// The window icon as a `size` x `size` image.
QImage windowIconImage(int size);

// The window icon as drawn here, with 16 x 16 and 32 x 32 images.
QIcon drawnWindowIcon();

// The window icon: the drawn one, and, where the game was installed with its icon files, the
// same drawing at each size those files come in, so the window offers the desktop every size
// the desktop's theme has under the game's id.
QIcon windowIcon();

// Lets windowIcon() know the icon files installed with the game: in share/icons beside
// `programFolder`, where a game installed under any prefix put them.
void findInstalledIcons(const QString& programFolder);

} // namespace kestrelink::ui
