#include "platform/native_files.h"
#include "platform/native_name.h"
#include "platform/trash.h"

#include <QDateTime>
#include <QDir>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Names tried in files/ before giving up: "name", "name (2)", ... "name (999)".
constexpr int kMaxNameAttempts = 999;

// A trash directory, holding files/ and info/.
struct TrashDirectory
{
    QByteArray root;
    QByteArray top; // the top of the file system for a $topdir trash; empty for the home trash
};

QByteArray parentOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArrayLiteral("/") : path.left(slash);
}

// $XDG_DATA_HOME/Trash; a relative $XDG_DATA_HOME is to be ignored, as an unset one.
QByteArray homeTrashPath()
{
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    if (dataHome.startsWith('/'))
        return dataHome + "/Trash";
    QByteArray home = qgetenv("HOME");
    if (home.isEmpty())
        home = nativeBytes(QDir::homePath());
    return home + "/.local/share/Trash";
}

// The device of `path`, or of its nearest ancestor that exists: where the directory would be made.
dev_t deviceOfNearest(QByteArray path)
{
    struct stat info
    {};
    while (::stat(path.constData(), &info) != 0 && path != "/")
        path = parentOf(path);
    return info.st_dev;
}

// The top directory of the file system that holds `file`: its highest ancestor on `device`.
QByteArray topDirectory(const QByteArray &file, dev_t device)
{
    QByteArray top = parentOf(file);
    while (top != "/") {
        const QByteArray parent = parentOf(top);
        struct stat info
        {};
        if (::stat(parent.constData(), &info) != 0 || info.st_dev != device)
            break;
        top = parent;
    }
    return top;
}

// Makes `path` a directory of mode 0700 unless it already is a directory (or a link to one).
bool makeDirectory(const QByteArray &path)
{
    if (::mkdir(path.constData(), 0700) == 0)
        return true;
    if (errno != EEXIST)
        return false;
    struct stat info
    {};
    if (::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode))
        return true;
    errno = ENOTDIR;
    return false;
}

// Makes every missing directory of the absolute `path`, as the XDG base directory rules ask (mode 0700).
bool makeDirectories(const QByteArray &path)
{
    for (qsizetype slash = path.indexOf('/', 1);; slash = path.indexOf('/', slash + 1)) {
        if (!makeDirectory(slash < 0 ? path : path.left(slash)))
            return false;
        if (slash < 0)
            return true;
    }
}

// A directory of a $topdir trash, where other users may write: made when missing, and refused when it is
// a symbolic link or belongs to someone else.
bool makeOwnDirectory(const QByteArray &path)
{
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat info
    {};
    if (::lstat(path.constData(), &info) != 0)
        return false;
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::getuid()) {
        errno = EACCES;
        return false;
    }
    return true;
}

std::optional<TrashDirectory> homeTrash(const QByteArray &root)
{
    if (makeDirectories(root + "/files") && makeDirectory(root + "/info"))
        return TrashDirectory{root, {}};
    return std::nullopt;
}

bool makeOwnTrash(const QByteArray &root)
{
    return makeOwnDirectory(root) && makeOwnDirectory(root + "/files") && makeOwnDirectory(root + "/info");
}

std::optional<TrashDirectory> topTrash(const QByteArray &top)
{
    const QByteArray base = top == "/" ? QByteArray() : top;
    const QByteArray uid = QByteArray::number(::getuid());
    // $topdir/.Trash is the administrator's: only a real directory with the sticky bit will do.
    const QByteArray shared = base + "/.Trash";
    struct stat info
    {};
    if (::lstat(shared.constData(), &info) == 0 && S_ISDIR(info.st_mode) && (info.st_mode & S_ISVTX) &&
        makeOwnTrash(shared + '/' + uid))
        return TrashDirectory{shared + '/' + uid, top};
    const QByteArray own = base + "/.Trash-" + uid;
    if (makeOwnTrash(own))
        return TrashDirectory{own, top};
    return std::nullopt;
}

// Bytes kept as they are in the info file's Path; every other byte is percent-encoded.
bool isPathByteKept(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '/';
}

QByteArray infoFile(const QByteArray &originalPath)
{
    QByteArray encoded;
    for (const char c : originalPath) {
        if (isPathByteKept(c))
            encoded += c;
        else
            encoded += '%' + QByteArray::number(uchar(c), 16).rightJustified(2, '0').toUpper();
    }
    const QString now = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    return "[Trash Info]\nPath=" + encoded + "\nDeletionDate=" + now.toLatin1() + '\n';
}

// "name" for the first attempt, then "name (2)" ... with the number before the extension.
QString numberedName(const QString &name, int attempt)
{
    if (attempt == 1)
        return name;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const qsizetype cut = dot > 0 ? dot : name.size();
    return name.left(cut) + QStringLiteral(" (%1)").arg(attempt) + name.mid(cut);
}

bool writeAll(int descriptor, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(descriptor, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

std::optional<ShellFailure> moveInto(const TrashDirectory &trash, const QString &path,
                                     const struct stat &original)
{
    const auto failure = [&path](int error) { return ShellFailure{path, qt_error_string(error)}; };
    const QByteArray file = nativeBytes(path);
    // A $topdir trash names the file from the top of its file system.
    const QByteArray info =
        infoFile(trash.top.isEmpty() ? file : file.mid(trash.top == "/" ? 1 : trash.top.size() + 1));
    const QString name = fileNameOf(path);
    for (int attempt = 1; attempt <= kMaxNameAttempts; ++attempt) {
        const QByteArray trashedName = nativeBytes(numberedName(name, attempt));
        const QByteArray target = trash.root + "/files/" + trashedName;
        struct stat taken
        {};
        if (::lstat(target.constData(), &taken) == 0)
            continue;
        // Creating the info file exclusively reserves the name against another program trashing now.
        const QByteArray infoPath = trash.root + "/info/" + trashedName + ".trashinfo";
        const int descriptor =
            ::open(infoPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (descriptor < 0 && errno == EEXIST)
            continue;
        if (descriptor < 0)
            return failure(errno);
        const bool written = writeAll(descriptor, info);
        const int writeError = errno;
        if (::close(descriptor) != 0 || !written) {
            ::unlink(infoPath.constData());
            return failure(written ? errno : writeError);
        }
        if (auto refused = renameWithoutReplacing(path, fromNativeBytes(target))) {
            ::unlink(infoPath.constData());
            return refused;
        }
        // The file must now answer under its new name, as the same file.
        struct stat moved
        {};
        if (::lstat(target.constData(), &moved) != 0 || moved.st_ino != original.st_ino ||
            moved.st_dev != original.st_dev)
            return failure(ENOENT);
        return std::nullopt;
    }
    return failure(EEXIST);
}

} // namespace

std::optional<ShellFailure> moveFileToTrash(const QString &path)
{
    const QString absolute = cleanAbsolutePath(path);
    const QByteArray file = nativeBytes(absolute);
    struct stat original
    {};
    if (::lstat(file.constData(), &original) != 0)
        return ShellFailure{path, qt_error_string(errno)};
    const QByteArray home = homeTrashPath();
    const std::optional<TrashDirectory> trash = deviceOfNearest(home) == original.st_dev
                                                    ? homeTrash(home)
                                                    : topTrash(topDirectory(file, original.st_dev));
    if (!trash)
        return ShellFailure{path, qt_error_string(errno)};
    return moveInto(*trash, absolute, original);
}
