// The folder the game report's file is offered in.
#include "ui/common/ReportFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kestrelink::ui {

QString reportFolder(const QString& programFolder) {
    if (QFileInfo(programFolder).isWritable())
        return programFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

} // namespace kestrelink::ui
