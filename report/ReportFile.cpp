// Saves the game report to ordinary files only: replaced whole through a temporary file, or
// written in place where a replacement would change which file, or whose, the name is.
#include "report/ReportFile.h"

#include "game/RandomSource.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>
#include <vector>

namespace kestrelink {

namespace {

using Failure = ReportFileFailure;
using Problem = ReportFileProblem;

Failure failure(Problem problem) {
    Failure result;
    result.problem = problem;
    return result;
}

Failure systemError(int error) {
    Failure result = failure(Problem::SystemError);
    result.error = error;
    return result;
}

// The first forbidden character of a UTF-8 name. Every forbidden character is a single byte, a
// C1 control (C2 80..C2 9F) or a separator (E2 80 A8, E2 80 A9), and none of these bytes can
// start a sequence in the middle of another character, so no decoding is needed.
std::optional<NameCharacter> forbiddenCharacterIn(const std::string& name) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        const auto next = [&](std::size_t ahead) {
            return i + ahead < name.size() ? static_cast<unsigned char>(name[i + ahead]) : 0u;
        };
        char32_t c = byte;
        if (byte == 0xC2 && next(1) >= 0x80 && next(1) <= 0x9F)
            c = next(1);
        else if (byte == 0xE2 && next(1) == 0x80 && (next(2) == 0xA8 || next(2) == 0xA9))
            c = 0x2000u + next(2);
        else if (byte >= 0x80)
            continue;
        if (const auto found = forbiddenInName(c))
            return found;
    }
    return std::nullopt;
}

NodeKind nodeKindOf(mode_t mode) {
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return NodeKind::Device;
    if (S_ISFIFO(mode))
        return NodeKind::Pipe;
    if (S_ISSOCK(mode))
        return NodeKind::Socket;
    return NodeKind::Special;
}

bool isLink(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
}

// The folder a name lies in, as a prefix to put before another name in it: "" for the current
// folder, or the name up to and including its last slash.
std::string folderPrefixOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string folderOf(const std::string& path) {
    const std::string prefix = folderPrefixOf(path);
    return prefix.empty() ? std::string(".") : prefix;
}

std::optional<std::string> linkTarget(const std::string& path) {
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
        if (length < 0)
            return std::nullopt;
        if (static_cast<std::size_t>(length) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        buffer.resize(2 * buffer.size());
    }
}

// Where a name leads through any links: the file to replace, or the one to create.
std::string followLinks(std::string path) {
    for (int depth = 0; depth < 40 && isLink(path); ++depth) {
        const auto target = linkTarget(path);
        if (!target || target->empty())
            break;
        path = target->front() == '/' ? *target : folderPrefixOf(path) + *target;
    }
    return path;
}

// Whether `path` lies on a file system of the kernel's settings and state rather than storage
// (/proc, /sys and their kind), where writing a "file" can change how the computer runs.
bool inSystemArea(const std::string& path) {
    struct statfs fileSystem {};
    if (::statfs(path.c_str(), &fileSystem) != 0)
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

std::string temporaryName(const std::string& folder) {
    static StdRandomSource random;
    std::string name = folder + (folder.back() == '/' ? "" : "/") + ".kestrelink-report-";
    constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    for (int i = 0; i < 12; ++i)
        name += kDigits[random.below(36)];
    return name;
}

// Marks a replacement that would not keep what the file was: the caller writes in place.
constexpr int kWouldChangeTheFile = EPERM;
// Not an errno: the name was given to something else meanwhile.
constexpr int kChangedMeanwhile = -1;

// Writes `text` to a new temporary file in the target's folder, gives it the replaced file's
// owner, group and permissions (set-id bits dropped), and renames it to the target. Returns 0 or
// the errno that stopped it; the temporary file is gone either way.
int replaceThroughTemporary(const std::string& target, const struct stat* existing,
                            const std::string& text) {
    const std::string folder = folderOf(target);
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = temporaryName(folder);
        // A new file gets the permissions of any new file; a replacement stays private until
        // it has the replaced file's.
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    existing != nullptr ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST)
            return errno;
    }
    if (fd < 0)
        return EEXIST;

    int error = 0;
    if (existing != nullptr) {
        // A group the user is not in cannot be given: the file would change hands.
        if (::fchown(fd, existing->st_uid, existing->st_gid) != 0)
            error = kWouldChangeTheFile;
        else if (::fchmod(fd, existing->st_mode & 0777) != 0)
            error = errno;
    }
    if (error == 0)
        error = writeAll(fd, text);
    error = syncAndClose(fd, error);
    // The last look before the name changes hands: never rename over a node put there meanwhile.
    struct stat now {};
    if (error == 0 && ::lstat(target.c_str(), &now) == 0 && !S_ISREG(now.st_mode))
        error = kChangedMeanwhile;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temporary.c_str());
    return error;
}

// Writes `text` over the existing regular file `target`, checked after opening to be the file
// described by `expected`. Room for the text is reserved before the old contents go, where the
// file system can; after that a failure can leave the file cut short.
std::optional<Failure> writeInPlace(const std::string& target, const struct stat& expected,
                                    const std::string& text) {
    const int fd =
        ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return systemError(errno);
    struct stat opened {};
    const auto size = static_cast<off_t>(text.size());
    int error = 0;
    bool swapped = false;
    if (::fstat(fd, &opened) != 0)
        error = errno;
    else if (!S_ISREG(opened.st_mode) || opened.st_dev != expected.st_dev ||
             opened.st_ino != expected.st_ino)
        swapped = true;
    else if (size > 0 && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) != 0 &&
             (errno == ENOSPC || errno == EDQUOT))
        error = errno;
    else if (::ftruncate(fd, 0) != 0)
        error = errno;
    else
        error = writeAll(fd, text);
    error = syncAndClose(fd, error);
    if (swapped)
        return failure(Problem::ChangedMeanwhile);
    if (error != 0)
        return systemError(error);
    return std::nullopt;
}

} // namespace

std::optional<NameCharacter> forbiddenInName(char32_t c) {
    if (c == U'\t')
        return NameCharacter::Tab;
    if ((c >= U'\n' && c <= U'\r') || c == U'\u0085' || c == U'\u2028' || c == U'\u2029')
        return NameCharacter::LineBreak;
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
        return NameCharacter::Control;
    return std::nullopt;
}

std::optional<ReportFileFailure> writeReportFile(const std::string& path, const std::string& text) {
    if (path.empty())
        return std::nullopt;
    if (const auto character = forbiddenCharacterIn(path)) {
        Failure result = failure(Problem::ForbiddenCharacter);
        result.character = *character;
        return result;
    }

    // What the name is, as the system follows it: only an ordinary file is ever written.
    struct stat status {};
    const bool exists = ::stat(path.c_str(), &status) == 0;
    if (!exists && errno != ENOENT)
        return systemError(errno);
    if (exists && S_ISDIR(status.st_mode))
        return systemError(EISDIR);
    // Devices, pipes and sockets are never opened, let alone replaced.
    if (exists && !S_ISREG(status.st_mode)) {
        Failure result = failure(Problem::NotAFile);
        result.node = nodeKindOf(status.st_mode);
        result.throughLink = isLink(path);
        return result;
    }

    // It must be the very file the system found.
    const std::string target = followLinks(path);
    struct stat resolved {};
    if (exists && (::stat(target.c_str(), &resolved) != 0 || resolved.st_dev != status.st_dev ||
                   resolved.st_ino != status.st_ino))
        return failure(Problem::Unfollowable);
    if (inSystemArea(exists ? path : folderOf(target)))
        return failure(Problem::SystemArea);
    // The superuser may replace a read-only file; anyone else leaves it alone.
    if (exists && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return errno == EACCES ? failure(Problem::ReadOnly) : systemError(errno);

    // A replacement would be a new file of this user's: another owner's file would change hands,
    // and a file with other names would lose them (they would keep the old text).
    if (exists && (status.st_uid != ::geteuid() || status.st_nlink > 1))
        return writeInPlace(target, status, text);
    const int error = replaceThroughTemporary(target, exists ? &status : nullptr, text);
    // The folder takes no new file, or the file's group is not the user's to give: the file
    // itself may still be written.
    if (exists && (error == EACCES || error == EPERM))
        return writeInPlace(target, status, text);
    if (error == kChangedMeanwhile)
        return failure(Problem::ChangedMeanwhile);
    if (error != 0)
        return systemError(error);
    return std::nullopt;
}

} // namespace kestrelink
