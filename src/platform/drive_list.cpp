#include "platform/drive_list.h"

#include <QDir>
#include <QStorageInfo>
#include <algorithm>

namespace {

constexpr int rootPathRole = Qt::UserRole;

// True when `root` is `path` or one of its parent directories; both cleaned and absolute.
bool holds(const QString &root, const QString &path)
{
    if (path.compare(root, Qt::CaseSensitive) == 0)
        return true;
    const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    return path.startsWith(prefix);
}

} // namespace

DriveList::DriveList(QWidget *parent)
    : QComboBox(parent)
{
    setVolumes(mountedVolumes());
    // The program's own selections block signals, so only the user's picks of another entry arrive here.
    connect(this, &QComboBox::currentIndexChanged, this, [this] { Q_EMIT driveChanged(driveDirectory()); });
}

QList<DriveList::Volume> DriveList::mountedVolumes()
{
    QList<Volume> volumes;
    const QList<QStorageInfo> infos = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &info : infos) {
        if (info.isValid() && info.isReady())
            volumes.append({info.rootPath(), info.name()});
    }
    return volumes;
}

void DriveList::setVolumes(QList<Volume> volumes)
{
    std::sort(volumes.begin(), volumes.end(),
              [](const Volume &a, const Volume &b) { return a.rootPath < b.rootPath; });
    const QSignalBlocker blocker(this);
    clear();
    QString previousRoot;
    for (const Volume &volume : volumes) {
        // A volume mounted twice on one root shows once.
        if (count() > 0 && volume.rootPath == previousRoot)
            continue;
        previousRoot = volume.rootPath;
        const QString text = volume.label.isEmpty()
                                 ? volume.rootPath
                                 : volume.rootPath + QStringLiteral(" [") + volume.label + QLatin1Char(']');
        addItem(text, volume.rootPath);
    }
}

void DriveList::reload()
{
    const QString selectedRoot = currentData(rootPathRole).toString();
    setVolumes(mountedVolumes());
    const int index = findData(selectedRoot, rootPathRole);
    if (index >= 0) {
        const QSignalBlocker blocker(this);
        setCurrentIndex(index);
    }
}

QString DriveList::driveText() const
{
    return currentText();
}

QString DriveList::driveDirectory() const
{
    if (currentIndex() < 0)
        return {};
    return directoryForEntry(currentText(), currentData(rootPathRole).toString());
}

bool DriveList::setDriveForPath(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QString cleaned = QDir::cleanPath(QDir(path).absolutePath());
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = QDir::cleanPath(itemData(i, rootPathRole).toString());
        if (root.size() > bestLength && holds(root, cleaned)) {
            best = i;
            bestLength = root.size();
        }
    }
    if (best < 0)
        return false;
    const QSignalBlocker blocker(this);
    setCurrentIndex(best);
    return true;
}

QString DriveList::directoryForEntry(const QString &text, const QString &rootPath)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon >= 0)
        return text.left(colon + 1);
    return rootPath;
}
