// The command line: --help and --version are answered, --color-symbols turns on the colour-symbol
// aid, every other argument is ignored; with nothing to show the windows on, the game says so
// instead of starting.
#pragma once

#include <QString>
#include <QStringList>

class QProcessEnvironment;

namespace kestrelink::app {

enum class CommandLineRequest { Play, Help, Version, NoDisplay };

// What `arguments` (the program's name first) ask for. Unknown options and stray arguments ask
// for nothing, so they leave the game to be played; asked for both, help wins.
CommandLineRequest commandLineRequest(const QStringList& arguments);

// Whether `arguments` ask for a symbol on every connector (--color-symbols).
bool colorSymbolsRequested(const QStringList& arguments);

// Whether the toolkit is told where to show the windows: a platform named by -platform or
// QT_QPA_PLATFORM, an X display by -display or DISPLAY, or a Wayland display by WAYLAND_DISPLAY.
// Without any of them opening the windows can only fail, and Qt would abort.
bool displayGiven(const QStringList& arguments, const QProcessEnvironment& environment);

// The platform the game asks Qt for itself, or an empty text to leave the choice to Qt. A Wayland
// session makes Qt try its Wayland platform first, and where that is not installed Qt says so on
// every start before it falls back to X11, which such a session offers too: the game then asks for
// X11 at once. Nothing is chosen where the command line or QT_QPA_PLATFORM names a platform.
QString platformToAskFor(const QStringList& arguments, const QProcessEnvironment& environment,
                         bool waylandInstalled);

// Whether Qt's Wayland platform is installed where Qt looks for its platforms.
bool waylandPlatformInstalled(const QProcessEnvironment& environment);

// The text printed for `request` (Help, Version or NoDisplay), ending in a line feed. Needs the
// application object, whose name, version and translators it uses.
QString commandLineAnswer(CommandLineRequest request);

} // namespace kestrelink::app
