// Saving the game report to a file the player names, and the input box that asks for the name.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace kestrelink::ui {

// Writes `text` byte for byte to `fileName`, replacing any file of that name. The text goes to
// a temporary file beside the target first and takes its place only once it is complete, so a
// failure leaves an existing file as it was and never leaves a partial one. An empty name
// writes nothing and is no error. Returns a message for the player when the file could not be
// written; nothing stays open either way.
std::optional<QString> writeReportFile(const QString& fileName, const std::string& text);

// The folder the report is offered in: the program's folder when the player may write there (a
// game run from its build tree), otherwise the player's documents folder, or the home folder
// when there is no documents folder (an installed game, whose folder belongs to the system).
QString reportFolder(const QString& programFolder);

// Asks for a file name in the report's input box, offering `defaultName`. Cancel or an empty
// answer ends it quietly; otherwise `makeText` is called and its text written, and a failure is
// shown in a warning box over `parent`. Returns once the player has answered (and, on failure,
// closed the warning).
void offerReport(QWidget* parent, const QString& defaultName,
                 const std::function<std::string()>& makeText);

} // namespace kestrelink::ui
