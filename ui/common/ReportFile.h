// Where the game report's file is offered.
#pragma once

#include <QString>

namespace kestrelink::ui {

// The folder the report is offered in: the program's folder when the player may write there (a
// game run from its build tree), otherwise the player's documents folder, or the home folder
// when there is no documents folder (an installed game, whose folder belongs to the system).
QString reportFolder(const QString& programFolder);

} // namespace kestrelink::ui
