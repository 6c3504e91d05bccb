// Saving the game report to a file the player names, and the input box that asks for the name.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace kestrelink::ui {

// Writes `text` byte for byte to the ordinary file `fileName` names (through any links),
// creating it or replacing it. A replacement goes to a temporary file beside the target first and
// takes its place only once it is complete, with the replaced file's owner (where allowed) and
// permissions; where the folder takes no new file but the file itself may be written, the file is
// written in place instead. A device, pipe, socket or folder, a file in a system area such as
// /proc or /sys, a read-only file (but for the superuser) and a name holding a control character
// are refused and left untouched. An empty name writes nothing and is no error. Returns, when the
// file could not be written, the reason in a player's words (without the name); no temporary file
// stays behind and nothing stays open.
std::optional<QString> writeReportFile(const QString& fileName, const std::string& text);

// Asks for a file name in the report's input box, offering `defaultName`. Cancel or an empty
// answer ends it quietly; otherwise `makeText` is called and its text written, and a failure is
// shown in a warning box over `parent`, the name elided in the middle so that the box fits the
// screen. Returns once the player has answered (and, on failure, closed the warning).
void offerReport(QWidget* parent, const QString& defaultName,
                 const std::function<std::string()>& makeText);

} // namespace kestrelink::ui
