// Saves the game report through a temporary file, and offers it from the game window.
#include "ui/common/ReportFile.h"

#include "report/SettingsReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>
#include <string_view>

namespace kestrelink::ui {

namespace {

// The input box's texts are the report's own, kept with it; they are listed here as well so that
// the catalogues carry them, and the build checks that both lists still agree.
constexpr const char* kDialogTitle =
    QT_TRANSLATE_NOOP("ReportFile", "Kestrelink Game Settings Dump");
constexpr const char* kDialogPrompt = QT_TRANSLATE_NOOP(
    "ReportFile", "Enter the filename you wish to use and Press the OK Button if you wish to dump "
                  "the current game settings\n\nOtherwise Press Cancel");
static_assert(std::string_view(kDialogTitle) == kReportDialogTitle);
static_assert(std::string_view(kDialogPrompt) == kReportDialogPrompt);

QString translated(const char* text) {
    return QCoreApplication::translate("ReportFile", text);
}

QString failureMessage(const QString& fileName, const QString& reason) {
    return QCoreApplication::translate("ReportFile",
                                       "The game settings could not be written to \"%1\".\n\n%2")
        .arg(fileName, reason);
}

} // namespace

std::optional<QString> writeReportFile(const QString& fileName, const std::string& text) {
    if (fileName.isEmpty())
        return std::nullopt;

    QSaveFile file(fileName);
    // Unbuffered: a buffered QSaveFile can lose the error of a write the disk cut short and
    // then commit the truncated file as a success, so every write is checked as it happens.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failureMessage(fileName, file.errorString());

    const auto size = static_cast<qint64>(text.size());
    if (file.write(text.data(), size) != size) {
        // A short write sets no error of its own; it means the disk or a quota ran out.
        const QString reason =
            file.error() == QFileDevice::NoError
                ? QCoreApplication::translate("ReportFile", "The disk may be full.")
                : file.errorString();
        file.cancelWriting();
        return failureMessage(fileName, reason);
    }
    // Only now does the complete text take the name; until here an existing file is untouched.
    if (!file.commit())
        return failureMessage(fileName, file.errorString());
    return std::nullopt;
}

QString reportFolder(const QString& programFolder) {
    if (QFileInfo(programFolder).isWritable())
        return programFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

void offerReport(QWidget* parent, const QString& defaultName,
                 const std::function<std::string()>& makeText) {
    const QString title = translated(kDialogTitle);
    const QString answer = QInputDialog::getText(parent, title, translated(kDialogPrompt),
                                                 QLineEdit::Normal, defaultName);
    // Cancel answers with the empty text too.
    if (answer.isEmpty())
        return;

    if (const auto error = writeReportFile(answer, makeText()))
        QMessageBox::warning(parent, title, *error);
}

} // namespace kestrelink::ui
