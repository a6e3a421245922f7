#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// The single-instance guard of the desktop program: a lock file in the settings directory, held for as
// long as the object lives. A lock left behind by a process that has ended is taken over.
class InstanceLock
{
public:
    // The lock file of a settings directory.
    static QString lockPath(const QString &settingsDirectory);

    // Takes the lock, creating the settings directory when it is missing. False when another running
    // instance holds it, or when the lock file cannot be created at all.
    bool tryLock(const QString &settingsDirectory);
    bool isLocked() const { return m_lock && m_lock->isLocked(); }

private:
    std::unique_ptr<QLockFile> m_lock;
};
