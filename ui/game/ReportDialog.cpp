// Asks for the report's file name, saves the report there and explains a failure in words.
#include "ui/game/ReportDialog.h"

#include "report/ReportFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace kestrelink::ui {

namespace {

const char* const kContext = "ReportFile";

QString translated(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

constexpr const char* kDialogTitle =
    QT_TRANSLATE_NOOP("ReportFile", "Kestrelink Game Settings Dump");
// Line feeds only, no carriage returns: the input box breaks the prompt at each one.
constexpr const char* kDialogPrompt = QT_TRANSLATE_NOOP(
    "ReportFile", "Enter the filename you wish to use and Press the OK Button if you wish to dump "
                  "the current game settings\n\nOtherwise Press Cancel");

// Each system error a player may meet, in a player's words.
struct ErrorText {
    int error;
    const char* text;
};
constexpr ErrorText kErrorTexts[] = {
    {ENOSPC, QT_TRANSLATE_NOOP(
                 "ReportFile",
                 "The disk is full. Make room on it, or choose another place, and try again.")},
    {EDQUOT,
     QT_TRANSLATE_NOOP("ReportFile", "The disk is full for you: your disk quota is used up.")},
    {EFBIG, QT_TRANSLATE_NOOP("ReportFile",
                              "The file would be larger than this disk or your account allows.")},
    {EACCES, QT_TRANSLATE_NOOP("ReportFile", "You do not have permission to write there.")},
    {EPERM, QT_TRANSLATE_NOOP("ReportFile", "You do not have permission to write there.")},
    {EROFS, QT_TRANSLATE_NOOP("ReportFile", "The disk is read-only.")},
    {ENOENT, QT_TRANSLATE_NOOP("ReportFile", "The folder it should go in does not exist.")},
    {ENOTDIR, QT_TRANSLATE_NOOP("ReportFile",
                                "A part of the name that should be a folder is not a folder.")},
    {EISDIR, QT_TRANSLATE_NOOP("ReportFile",
                               "This is a folder, not a file. Give the name of a file inside it.")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("ReportFile", "The name is too long.")},
    {ELOOP,
     QT_TRANSLATE_NOOP("ReportFile",
                       "The name leads through too many links; a link may point back to itself.")},
    {EIO, QT_TRANSLATE_NOOP("ReportFile", "The disk reported an error.")},
    {ETXTBSY, QT_TRANSLATE_NOOP("ReportFile", "The file is in use by a running program.")},
};

QString systemErrorText(int error) {
    for (const ErrorText& known : kErrorTexts)
        if (known.error == error)
            return translated(known.text);
    return QCoreApplication::translate("ReportFile", "The system reports: %1.")
        .arg(QString::fromLocal8Bit(strerror(error)));
}

// How a forbidden character is shown in the warning box, and what it is called there.
struct Mark {
    char16_t shown;
    const char* what;
};
Mark markOf(NameCharacter character) {
    switch (character) {
    case NameCharacter::Tab:
        return {u'\u2192', QT_TRANSLATE_NOOP("ReportFile", "a tab")}; // →
    case NameCharacter::LineBreak:
        return {u'\u21B5', QT_TRANSLATE_NOOP("ReportFile", "a line break")}; // ↵
    case NameCharacter::Control:
        break;
    }
    return {u'\uFFFD', QT_TRANSLATE_NOOP("ReportFile", "a control character")};
}

// The name with every forbidden character made visible. Each is a single UTF-16 unit.
QString visibleName(QString name) {
    for (QChar& c : name)
        if (const auto character = forbiddenInName(c.unicode()))
            c = QChar(markOf(*character).shown);
    return name;
}

QString forbiddenCharacterText(NameCharacter character) {
    const Mark mark = markOf(character);
    return QCoreApplication::translate(
               "ReportFile",
               "The name contains %1 (shown as %2), perhaps pasted with it. A file name "
               "cannot hold line breaks, tabs or other control characters, so nothing was "
               "written. Please type the name on one line.")
        .arg(translated(mark.what), QChar(mark.shown));
}

QString notAFileText(NodeKind node, bool throughLink) {
    const char* kind = QT_TRANSLATE_NOOP("ReportFile", "a special file");
    switch (node) {
    case NodeKind::Device:
        kind = QT_TRANSLATE_NOOP("ReportFile", "a device");
        break;
    case NodeKind::Pipe:
        kind = QT_TRANSLATE_NOOP("ReportFile", "a pipe (FIFO)");
        break;
    case NodeKind::Socket:
        kind = QT_TRANSLATE_NOOP("ReportFile", "a socket");
        break;
    case NodeKind::Special:
        break;
    }
    const QString what =
        throughLink
            ? QCoreApplication::translate("ReportFile", "This name is a link to %1")
                  .arg(translated(kind))
            : QCoreApplication::translate("ReportFile", "This name is %1").arg(translated(kind));
    return QCoreApplication::translate(
               "ReportFile",
               "%1, not an ordinary file. The report is written only to ordinary files, so "
               "it was left untouched.")
        .arg(what);
}

QString failureText(const ReportFileFailure& failure) {
    switch (failure.problem) {
    case ReportFileProblem::ForbiddenCharacter:
        return forbiddenCharacterText(failure.character);
    case ReportFileProblem::NotAFile:
        return notAFileText(failure.node, failure.throughLink);
    case ReportFileProblem::ReadOnly:
        return QCoreApplication::translate("ReportFile",
                                           "The file is read-only, or you may not change it, so "
                                           "it was left as it was.");
    case ReportFileProblem::SystemArea:
        return QCoreApplication::translate(
            "ReportFile",
            "The name lies in a system area (such as /proc or /sys) whose files show and set "
            "the workings of the computer, not a place for a report. Nothing was written.");
    case ReportFileProblem::Unfollowable:
        return QCoreApplication::translate(
            "ReportFile", "The name is a link the report cannot follow to its file.");
    case ReportFileProblem::ChangedMeanwhile:
        return QCoreApplication::translate(
            "ReportFile", "The file was changed by something else just now. Please try again.");
    case ReportFileProblem::SystemError:
        break;
    }
    return systemErrorText(failure.error);
}

QString failureMessage(const QString& shownName, const QString& reason) {
    return QCoreApplication::translate("ReportFile",
                                       "The game settings could not be written to \"%1\".\n\n%2")
        .arg(shownName, reason);
}

// The warning box for a failure: the name elided in the middle to about three lines of at most half
// the screen's width, so the box, its reason and its button stay on the screen whatever the
// name's length. Plain text, so that a name is never taken for markup.
void showFailure(QWidget* parent, const QString& title, const QString& fileName,
                 const QString& reason) {
    QMessageBox box(QMessageBox::Warning, title, QString(), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const int width = std::min(screen->availableGeometry().width() / 2, 480);
    box.setText(failureMessage(
        QFontMetrics(box.font()).elidedText(visibleName(fileName), Qt::ElideMiddle, 3 * width),
        reason));
    box.exec();
}

} // namespace

std::optional<QString> saveReport(const QString& fileName, const std::string& text) {
    if (const auto failure = writeReportFile(QFile::encodeName(fileName).toStdString(), text))
        return failureText(*failure);
    return std::nullopt;
}

void offerReport(QWidget* parent, const QString& defaultName,
                 const std::function<std::string()>& makeText) {
    const QString title = translated(kDialogTitle);
    const QString answer = QInputDialog::getText(parent, title, translated(kDialogPrompt),
                                                 QLineEdit::Normal, defaultName);
    // Cancel answers with the empty text too.
    if (answer.isEmpty())
        return;

    if (const auto reason = saveReport(answer, makeText()))
        showFailure(parent, title, answer, *reason);
}

} // namespace kestrelink::ui
