// Where the report is offered: beside a game run from its build tree, among the player's own
// files for an installed game.
#pragma once

#include <QString>

namespace kestrelink::ui {

// Whether a program in `programFolder` runs from an installed location: `installedFolder`, the
// folder the build installs the program into, or a folder the system owns (/usr and below, /bin,
// /sbin, /opt and below). Compares the names only, so both should be absolute and free of links.
bool runsInstalled(const QString& programFolder, const QString& installedFolder);

// The folder the report is offered in. An installed program offers the player's documents
// folder, or the home folder when there is no documents folder, even to a player who could write
// into the program's folder (root): a report there would belong to no package and outlive the
// game's removal. A program run from elsewhere (its build tree) offers its own folder where the
// player may write into it, and the documents or home folder where not.
QString reportFolder(const QString& programFolder, const QString& installedFolder);

// The same with the folder this build installs the program into.
QString reportFolder(const QString& programFolder);

} // namespace kestrelink::ui
