// The game window's offer to save the game report: the input box that asks for the file's name,
// and the warning that says in the player's words why the file could not be written.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace kestrelink::ui {

// Writes `text` to the file `fileName` names (see writeReportFile for what is refused and how a
// file is replaced). An empty name writes nothing and is no failure. Returns, when the file
// could not be written, the reason in a player's words (without the name).
std::optional<QString> saveReport(const QString& fileName, const std::string& text);

// Asks for a file name in the report's input box, offering `defaultName`. Cancel or an empty
// answer ends it quietly; otherwise `makeText` is called and its text saved, and a failure is
// shown in a warning box over `parent`, the name elided in the middle so that the box fits the
// screen. Returns once the player has answered (and, on failure, closed the warning).
void offerReport(QWidget* parent, const QString& defaultName,
                 const std::function<std::string()>& makeText);

} // namespace kestrelink::ui
