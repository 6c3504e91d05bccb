// Chooses the report's folder from where the program runs.
#include "ui/common/ReportFolder.h"

#include "KestrelinkConfig.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace kestrelink::ui {

namespace {

bool isOrLiesUnder(const QString& folder, const QString& top) {
    return folder == top || folder.startsWith(top + QLatin1Char('/'));
}

QString resolved(const QString& folder) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? folder : canonical;
}

QString playersFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

} // namespace

bool runsInstalled(const QString& programFolder, const QString& installedFolder) {
    const QString folder = QDir::cleanPath(programFolder);
    if (!installedFolder.isEmpty() && folder == QDir::cleanPath(installedFolder))
        return true;
    // Only whole names count: /usr holds installed programs, /usrlocal is anybody's.
    static const QStringList systemFolders = {QStringLiteral("/usr"), QStringLiteral("/bin"),
                                              QStringLiteral("/sbin"), QStringLiteral("/opt")};
    for (const QString& top : systemFolders) {
        if (isOrLiesUnder(folder, top))
            return true;
    }
    return false;
}

QString reportFolder(const QString& programFolder, const QString& installedFolder) {
    // The installed folder is named as the build was told it, links and all.
    if (runsInstalled(resolved(programFolder), resolved(installedFolder)))
        return playersFolder();
    if (QFileInfo(programFolder).isWritable())
        return programFolder;
    return playersFolder();
}

QString reportFolder(const QString& programFolder) {
    return reportFolder(programFolder, QStringLiteral(KESTRELINK_INSTALLED_PROGRAM_FOLDER));
}

} // namespace kestrelink::ui
