#pragma once

#include <QString>
#include <QTemporaryDir>

// A small file system that a test fills up, to see what a write does when the disk is full: a 64 KiB
// tmpfs mounted on a temporary directory inside a mount namespace of this test process (entered directly
// as root, through a user namespace otherwise), unmounted when the object goes. Child processes started
// afterwards see it too. Linux only.
class FullDisk
{
public:
    FullDisk();
    ~FullDisk();
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    // Why no file system could be mounted, for GTEST_SKIP; empty when it is there.
    const QString &unavailable() const { return m_unavailable; }
    QString path() const { return m_mountPoint.path(); }
    QString filePath(const QString &name) const { return m_mountPoint.filePath(name); }
    // Takes every block left with one file, "filler".
    void fill() const;

private:
    QTemporaryDir m_mountPoint;
    QString m_unavailable;
    bool m_mounted = false;
};
