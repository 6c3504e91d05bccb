// The command line: --help and --version are answered, --color-symbols turns on the colour-symbol
// aid, every other argument is ignored.
#pragma once

#include <QString>
#include <QStringList>

namespace kestrelink::app {

enum class CommandLineRequest { Play, Help, Version };

// What `arguments` (the program's name first) ask for. Unknown options and stray arguments ask
// for nothing, so they leave the game to be played; asked for both, help wins.
CommandLineRequest commandLineRequest(const QStringList& arguments);

// Whether `arguments` ask for a symbol on every connector (--color-symbols).
bool colorSymbolsRequested(const QStringList& arguments);

// The text printed for `request` (Help or Version), ending in a line feed. Needs the application
// object, whose name, version and translators it uses.
QString commandLineAnswer(CommandLineRequest request);

} // namespace kestrelink::app
