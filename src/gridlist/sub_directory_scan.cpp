#include "gridlist/sub_directory_scan.h"

#include "platform/child_path.h"
#include "platform/directory_reader.h"

#include <QDir>
#include <vector>

namespace {

// A directory of the walk whose children are listed and whose sub-trees are being visited in turn.
struct Level
{
    QStringList children; // full paths, in the file system's order
    qsizetype next = 0;   // the child whose sub-tree is visited next
};

// The child directories of `directory` worth scanning, in enumeration order.
QStringList childDirectories(const QString &directory, const JobControl &control)
{
    QStringList children;
    DirectoryReader reader(directory);
    DirectoryEntry entry;
    while (!control.isCancelled() && reader.next(entry)) {
        // A leading full stop skips ".", ".." and every dot directory. The reader reports a link to a
        // directory as a directory; a link may lead back up the tree.
        if (!entry.isDirectory || entry.isSymbolicLink || entry.name.startsWith(QLatin1Char('.')))
            continue;
        children << childPath(directory, entry.name);
    }
    return children;
}

} // namespace

SubDirectoryList ListerSousDossiers(const QString &directory, JobControl &control)
{
    SubDirectoryList result;
    control.setValue(0);
    std::vector<Level> stack;
    auto enter = [&](const QString &path) {
        Level level{childDirectories(path, control), 0};
        if (control.isCancelled()) {
            result.stopped = true;
            return false;
        }
        result.directories << level.children;
        control.setValue(result.directories.size());
        stack.push_back(std::move(level));
        return true;
    };
    if (!enter(directory))
        return result;
    while (!stack.empty()) {
        Level &top = stack.back();
        if (top.next == top.children.size()) {
            stack.pop_back();
            continue;
        }
        const QString child = top.children[top.next++];
        if (!enter(child))
            return result;
    }
    return result;
}

bool isScannableDirectory(const QString &path)
{
    if (path.startsWith(QStringLiteral("//")) || path.startsWith(QStringLiteral("\\\\")))
        return false;
    return QDir::isAbsolutePath(path);
}

bool canEnumerateDirectory(const QString &directory)
{
    return DirectoryReader(directory).isOpen();
}
