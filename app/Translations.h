// The catalogues that put the windows into the player's language.
#pragma once

class QCoreApplication;
class QLocale;

namespace kestrelink::app {

// Installs the game's own catalogue for `locale` and Qt's, which translates the standard
// buttons of message boxes. Where the game has none for the language (English included)
// neither is installed and every text stays as written. Returns whether the game's own
// catalogue was found.
bool installTranslations(QCoreApplication& app, const QLocale& locale);

} // namespace kestrelink::app
