#include "support/full_disk.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

QString systemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

bool writeProcFile(const char *path, const QByteArray &text)
{
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, text.constData(), size_t(text.size())) == text.size();
    ::close(fd);
    return written;
}

// Enters a mount namespace of our own once per process, so that test mounts never reach the system's
// namespace. Empty on success, else the reason.
QString enterMountNamespace()
{
    static const QString failure = []() -> QString {
        const uid_t uid = ::geteuid();
        const gid_t gid = ::getegid();
        if (uid == 0) {
            if (::unshare(CLONE_NEWNS) != 0)
                return systemError("unshare(CLONE_NEWNS)");
        } else {
            // The namespace's creator holds every capability in it, mounting included, with its own ids.
            if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
                return systemError("unshare(CLONE_NEWUSER | CLONE_NEWNS)");
            if (!writeProcFile("/proc/self/setgroups", "deny") ||
                !writeProcFile("/proc/self/uid_map",
                               QByteArray::number(uid) + ' ' + QByteArray::number(uid) + " 1") ||
                !writeProcFile("/proc/self/gid_map",
                               QByteArray::number(gid) + ' ' + QByteArray::number(gid) + " 1"))
                return systemError("writing the user namespace's id maps");
        }
        if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return systemError("making the mounts private");
        return {};
    }();
    return failure;
}

} // namespace

FullDisk::FullDisk()
{
    if (!m_mountPoint.isValid()) {
        m_unavailable = m_mountPoint.errorString();
        return;
    }
    m_unavailable = enterMountNamespace();
    if (!m_unavailable.isEmpty())
        return;
    if (::mount("tmpfs", QFile::encodeName(path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                "size=64k,mode=0700") != 0) {
        m_unavailable = systemError("mount -t tmpfs");
        return;
    }
    m_mounted = true;
}

FullDisk::~FullDisk()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(path()).constData(), MNT_DETACH);
}

void FullDisk::fill() const
{
    const int fd = ::open(QFile::encodeName(filePath(QStringLiteral("filler"))).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    ASSERT_GE(fd, 0) << std::strerror(errno);
    const QByteArray block(4096, 'f');
    // 200 KiB into 64 KiB: the writes stop at the first refusal.
    for (int i = 0; i < 50; ++i) {
        if (::write(fd, block.constData(), size_t(block.size())) < 0) {
            EXPECT_EQ(errno, ENOSPC) << std::strerror(errno);
            break;
        }
    }
    ::close(fd);
}
