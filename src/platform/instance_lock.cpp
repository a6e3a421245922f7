#include "platform/instance_lock.h"

#include <QDir>

QString InstanceLock::lockPath(const QString &settingsDirectory)
{
    return QDir(settingsDirectory).filePath(QStringLiteral("Fichorama.lock"));
}

bool InstanceLock::tryLock(const QString &settingsDirectory)
{
    QDir().mkpath(settingsDirectory);
    m_lock = std::make_unique<QLockFile>(lockPath(settingsDirectory));
    // The program runs for hours: only a lock whose process is gone counts as stale, never an old one.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    m_lock.reset();
    return false;
}
