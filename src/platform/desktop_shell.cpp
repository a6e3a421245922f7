#include "platform/desktop_shell.h"

#include "platform/native_files.h"
#include "platform/native_name.h"
#include "platform/trash.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QDir>
#include <QPointer>
#include <QWidget>

namespace {

// Long enough for a file manager that D-Bus has to start first.
constexpr int propertiesCallTimeoutMs = 5000;

// The local-file URL of an absolute native-form path; a name that is not UTF-8 keeps its bytes,
// percent-encoded, which QUrl::fromLocalFile would replace.
QUrl fileUrl(const QString &path)
{
    if (!hasRawBytes(path))
        return QUrl::fromLocalFile(path);
    return QUrl::fromEncoded("file://" + nativeBytes(path).toPercentEncoding("/"), QUrl::StrictMode);
}

} // namespace

DesktopShell::DesktopShell(PropertiesFallback fallback)
    : m_fallback(std::move(fallback))
{}

QUrl DesktopShell::urlFor(const QString &pathOrUrl)
{
    if (QDir::isAbsolutePath(pathOrUrl))
        return fileUrl(pathOrUrl);
    const QUrl url(pathOrUrl);
    // A one-letter scheme is a Windows drive ("c:report.doc"), not an address.
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return fileUrl(cleanAbsolutePath(pathOrUrl));
}

bool DesktopShell::open(const QString &pathOrUrl)
{
    return QDesktopServices::openUrl(urlFor(pathOrUrl));
}

void DesktopShell::showProperties(const QString &path, QWidget *owner)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        if (m_fallback)
            m_fallback(path, owner);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItemProperties"));
    call << QStringList{fileUrl(cleanAbsolutePath(path)).toString(QUrl::FullyEncoded)} << QString();
    // The watcher dies with its owner, so a closed window gets no late fallback.
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, propertiesCallTimeoutMs), owner);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [fallback = m_fallback, path, guard = QPointer<QWidget>(owner),
                      hadOwner = owner != nullptr](QDBusPendingCallWatcher *finished) {
                         finished->deleteLater();
                         if (!finished->isError() || !fallback)
                             return;
                         if (hadOwner && !guard)
                             return;
                         fallback(path, guard);
                     });
}

std::optional<ShellFailure> DesktopShell::moveToTrash(const QString &path)
{
    return moveFileToTrash(path);
}

std::optional<ShellFailure> DesktopShell::rename(const QString &from, const QString &to)
{
    return renameWithoutReplacing(from, to);
}
