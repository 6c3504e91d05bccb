// Saves the game report through a temporary file, and offers it from the game window.
#include "ui/common/ReportFile.h"

#include "report/SettingsReport.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSaveFile>

namespace kestrelink::ui {

namespace {

QString failureMessage(const QString& fileName, const QString& reason) {
    return QStringLiteral("The game settings could not be written to \"%1\".\n\n%2")
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
        const QString reason = file.error() == QFileDevice::NoError
                                   ? QStringLiteral("The disk may be full.")
                                   : file.errorString();
        file.cancelWriting();
        return failureMessage(fileName, reason);
    }
    // Only now does the complete text take the name; until here an existing file is untouched.
    if (!file.commit())
        return failureMessage(fileName, file.errorString());
    return std::nullopt;
}

void offerReport(QWidget* parent, const QString& defaultName,
                 const std::function<std::string()>& makeText) {
    const QString title = QString::fromLatin1(kReportDialogTitle);
    const QString answer = QInputDialog::getText(
        parent, title, QString::fromLatin1(kReportDialogPrompt), QLineEdit::Normal, defaultName);
    // Cancel answers with the empty text too.
    if (answer.isEmpty())
        return;

    if (const auto error = writeReportFile(answer, makeText()))
        QMessageBox::warning(parent, title, *error);
}

} // namespace kestrelink::ui
