// Saves the game report to ordinary files only, through a temporary file (or in place where only
// the file itself may be written), says why it could not, and offers it from the game window.
#include "ui/common/ReportFile.h"

#include "report/SettingsReport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QScreen>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/magic.h>
#include <string_view>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace kestrelink::ui {

namespace {

const char* const kContext = "ReportFile";

QString translated(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

// The input box's texts are the report's own, kept with it; they are listed here as well so that
// the catalogues carry them, and the build checks that both lists still agree.
constexpr const char* kDialogTitle =
    QT_TRANSLATE_NOOP("ReportFile", "Kestrelink Game Settings Dump");
constexpr const char* kDialogPrompt = QT_TRANSLATE_NOOP(
    "ReportFile", "Enter the filename you wish to use and Press the OK Button if you wish to dump "
                  "the current game settings\n\nOtherwise Press Cancel");
static_assert(std::string_view(kDialogTitle) == kReportDialogTitle);
static_assert(std::string_view(kDialogPrompt) == kReportDialogPrompt);

// Failures that are no errno values.
constexpr int kChangedMeanwhile = -1; // swapped for something else between the checks and the write
constexpr int kUnfollowable = -2;     // a link leading elsewhere than the system goes (as in /proc)
constexpr int kSystemArea = -3;       // a file of the kernel's settings, see inSystemArea

// Each system error a player may meet, in a player's words.
struct Reason {
    int error;
    const char* text;
};
constexpr Reason kReasons[] = {
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
    {kChangedMeanwhile,
     QT_TRANSLATE_NOOP("ReportFile",
                       "The file was changed by something else just now. Please try again.")},
    {kUnfollowable,
     QT_TRANSLATE_NOOP("ReportFile", "The name is a link the report cannot follow to its file.")},
    {kSystemArea,
     QT_TRANSLATE_NOOP(
         "ReportFile",
         "The name lies in a system area (such as /proc or /sys) whose files show and set "
         "the workings of the computer, not a place for a report. Nothing was written.")},
};

QString reasonFor(int error) {
    for (const Reason& reason : kReasons)
        if (reason.error == error)
            return translated(reason.text);
    return QCoreApplication::translate("ReportFile", "The system reports: %1.")
        .arg(QString::fromLocal8Bit(strerror(error)));
}

// Whether `path` lies on a file system of the kernel's settings and state rather than storage
// (/proc, /sys and their kind), where writing a "file" can change how the computer runs.
bool inSystemArea(const QByteArray& path) {
    struct statfs fileSystem {};
    if (::statfs(path.constData(), &fileSystem) != 0)
        return false;
    constexpr unsigned long kSystemKinds[] = {
        PROC_SUPER_MAGIC, SYSFS_MAGIC,      CGROUP_SUPER_MAGIC, CGROUP2_SUPER_MAGIC, DEBUGFS_MAGIC,
        TRACEFS_MAGIC,    SECURITYFS_MAGIC, EFIVARFS_MAGIC,     PSTOREFS_MAGIC,      BPF_FS_MAGIC,
        SELINUX_MAGIC,    SMACK_MAGIC,      BINFMTFS_MAGIC,     NSFS_MAGIC,
    };
    const auto kind = static_cast<unsigned long>(fileSystem.f_type);
    return std::find(std::begin(kSystemKinds), std::end(kSystemKinds), kind) !=
           std::end(kSystemKinds);
}

// Control characters and line or paragraph separators: no file name may hold them.
bool isForbidden(QChar c) {
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph;
}

// How a forbidden character is shown in the warning box, and what it is called there.
struct Mark {
    char16_t shown;
    const char* what;
};
Mark markOf(char16_t c) {
    if (c == u'\t')
        return {u'\u2192', QT_TRANSLATE_NOOP("ReportFile", "a tab")}; // →
    if ((c >= u'\n' && c <= u'\r') || c == u'\u0085' || c == u'\u2028' || c == u'\u2029')
        return {u'\u21B5', QT_TRANSLATE_NOOP("ReportFile", "a line break")}; // ↵
    return {u'\uFFFD', QT_TRANSLATE_NOOP("ReportFile", "a control character")};
}

// The name with every forbidden character made visible.
QString visibleName(QString name) {
    for (QChar& c : name)
        if (isForbidden(c))
            c = QChar(markOf(c.unicode()).shown);
    return name;
}

std::optional<QString> forbiddenCharacterReason(const QString& name) {
    const auto found = std::find_if(name.begin(), name.end(), isForbidden);
    if (found == name.end())
        return std::nullopt;
    const Mark mark = markOf(found->unicode());
    return QCoreApplication::translate(
               "ReportFile",
               "The name contains %1 (shown as %2), perhaps pasted with it. A file name "
               "cannot hold line breaks, tabs or other control characters, so nothing was "
               "written. Please type the name on one line.")
        .arg(translated(mark.what), QChar(mark.shown));
}

QString notAFileReason(const struct stat& status, bool throughLink) {
    const bool device = S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode);
    const char* kind = device                     ? QT_TRANSLATE_NOOP("ReportFile", "a device")
                       : S_ISFIFO(status.st_mode) ? QT_TRANSLATE_NOOP("ReportFile", "a pipe (FIFO)")
                       : S_ISSOCK(status.st_mode)
                           ? QT_TRANSLATE_NOOP("ReportFile", "a socket")
                           : QT_TRANSLATE_NOOP("ReportFile", "a special file");
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

// Writes all of `text` to `fd`; returns 0 or the errno of the write that failed. A write that
// takes nothing means there is no room.
int writeAll(int fd, const std::string& text) {
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return ENOSPC;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return 0;
}

// Flushes `fd` to the disk and closes it; returns `error`, or else the first error of the two.
int syncAndClose(int fd, int error) {
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0 && errno != EINTR)
        error = errno;
    return error;
}

// Writes `text` to a new temporary file in the target's folder, gives it the replaced file's
// owner and permissions (set-id bits dropped), and renames it to the target. Returns 0 or the
// errno that stopped it; the temporary file is gone either way.
int replaceThroughTemporary(const QString& target, const struct stat* existing,
                            const std::string& text) {
    const QByteArray targetPath = QFile::encodeName(target);
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = folder + "/.kestrelink-report-" +
                    QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        // A new file gets the permissions of any new file; a replacement stays private until
        // it has the replaced file's.
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    existing != nullptr ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST)
            return errno;
    }
    if (fd < 0)
        return EEXIST;

    int error = 0;
    if (existing != nullptr) {
        // Only the superuser may hand the file to another owner; anyone else keeps it.
        [[maybe_unused]] const int owned = ::fchown(fd, existing->st_uid, existing->st_gid);
        if (::fchmod(fd, existing->st_mode & 0777) != 0)
            error = errno;
    }
    if (error == 0)
        error = writeAll(fd, text);
    error = syncAndClose(fd, error);
    // The last look before the name changes hands: never rename over a node put there meanwhile.
    struct stat now {};
    if (error == 0 && ::lstat(targetPath.constData(), &now) == 0 && !S_ISREG(now.st_mode))
        error = kChangedMeanwhile;
    if (error == 0 && ::rename(temporary.constData(), targetPath.constData()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temporary.constData());
    return error;
}

// Writes `text` over the existing regular file `target`, checked after opening to be the file
// described by `expected`. Room for the text is reserved before the old contents go, where the
// file system can; after that a failure can leave the file cut short. Returns 0 or an errno.
int writeInPlace(const QString& target, const struct stat& expected, const std::string& text) {
    const int fd = ::open(QFile::encodeName(target).constData(),
                          O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat opened {};
    const auto size = static_cast<off_t>(text.size());
    int error = 0;
    if (::fstat(fd, &opened) != 0)
        error = errno;
    else if (!S_ISREG(opened.st_mode) || opened.st_dev != expected.st_dev ||
             opened.st_ino != expected.st_ino)
        error = kChangedMeanwhile;
    else if (size > 0 && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) != 0 &&
             (errno == ENOSPC || errno == EDQUOT))
        error = errno;
    else if (::ftruncate(fd, 0) != 0)
        error = errno;
    else
        error = writeAll(fd, text);
    return syncAndClose(fd, error);
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

std::optional<QString> writeReportFile(const QString& fileName, const std::string& text) {
    if (fileName.isEmpty())
        return std::nullopt;
    if (auto reason = forbiddenCharacterReason(fileName))
        return reason;

    // What the name is, as the system follows it: only an ordinary file is ever written.
    const QByteArray namePath = QFile::encodeName(fileName);
    struct stat status {};
    const bool exists = ::stat(namePath.constData(), &status) == 0;
    if (!exists && errno != ENOENT)
        return reasonFor(errno);
    if (exists && S_ISDIR(status.st_mode))
        return reasonFor(EISDIR);
    // Devices, pipes and sockets are never opened, let alone replaced.
    if (exists && !S_ISREG(status.st_mode))
        return notAFileReason(status, QFileInfo(fileName).isSymLink());

    // Where the name leads through any links: the file to replace, or the one to create. It must
    // be the very file the system found.
    QFileInfo info(fileName);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    const QString target = info.filePath();
    struct stat resolved {};
    if (exists && (::stat(QFile::encodeName(target).constData(), &resolved) != 0 ||
                   resolved.st_dev != status.st_dev || resolved.st_ino != status.st_ino))
        return reasonFor(kUnfollowable);
    if (inSystemArea(exists ? namePath : QFile::encodeName(QFileInfo(target).absolutePath())))
        return reasonFor(kSystemArea);
    // The superuser may replace a read-only file; anyone else leaves it alone.
    if (exists && ::faccessat(AT_FDCWD, namePath.constData(), W_OK, AT_EACCESS) != 0)
        return errno == EACCES
                   ? QCoreApplication::translate(
                         "ReportFile", "The file is read-only, or you may not change it, so "
                                       "it was left as it was.")
                   : reasonFor(errno);

    int error = replaceThroughTemporary(target, exists ? &status : nullptr, text);
    // The folder takes no new file, but the file itself may be written: write it in place.
    if (exists && (error == EACCES || error == EPERM))
        error = writeInPlace(target, status, text);
    if (error != 0)
        return reasonFor(error);
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

    if (const auto reason = writeReportFile(answer, makeText()))
        showFailure(parent, title, answer, *reason);
}

} // namespace kestrelink::ui
