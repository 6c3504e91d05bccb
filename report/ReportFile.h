// Saving the game report to the file the player names, on Linux: only ordinary files, never
// half-written, and the file the player named keeps its owner and its other names. Says why in
// a reason code; the windows put that into the player's words.
#pragma once

#include <optional>
#include <string>

namespace kestrelink {

enum class ReportFileProblem {
    // The name holds a control character, line break or tab: `character` says which.
    ForbiddenCharacter,
    // A device, pipe, socket or other special file: `node` says which, `throughLink` whether
    // the name is a link to it.
    NotAFile,
    // A read-only file, or one the user may not change (only the superuser may replace it).
    ReadOnly,
    // A file of the kernel's settings and state, such as in /proc or /sys.
    SystemArea,
    // A link that does not lead where the system goes (as the links in /proc do not).
    Unfollowable,
    // The file was swapped for something else between the checks and the write.
    ChangedMeanwhile,
    // What the system said: `error` holds the errno.
    SystemError,
};

enum class NameCharacter { Tab, LineBreak, Control };
enum class NodeKind { Device, Pipe, Socket, Special };

struct ReportFileFailure {
    ReportFileProblem problem = ReportFileProblem::SystemError;
    int error = 0;
    NameCharacter character = NameCharacter::Control;
    NodeKind node = NodeKind::Special;
    bool throughLink = false;
};

// Control characters (C0, DEL and C1) and the line and paragraph separators: no file name may
// hold them. A tab and the line breaks are told apart so the player can be shown which it was.
std::optional<NameCharacter> forbiddenInName(char32_t c);

// Writes `text` byte for byte to the ordinary file the name `path` (UTF-8, as the system takes
// it) leads to through any links, creating it or replacing its contents.
//
// A new file, and a file of the user's own with no other name, is replaced whole: the text goes
// to a temporary file beside it first, which takes the name only once it is complete and has the
// replaced file's owner, group and permissions. A file of another owner, one with other names
// (hard links), one whose group the user cannot give, and one in a folder that takes no new file
// is written in place instead, so that its owner, group, mode, links, ACLs and extended
// attributes stay; room for the text is reserved first where the file system can.
//
// A device, pipe, socket or folder, a file in a system area such as /proc or /sys, a read-only
// file (but for the superuser) and a name holding a control character are refused and left
// untouched. An empty name writes nothing and is no failure. On failure no temporary file stays
// behind and nothing stays open.
std::optional<ReportFileFailure> writeReportFile(const std::string& path, const std::string& text);

} // namespace kestrelink
