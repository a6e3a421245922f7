#pragma once

#include "platform/shell.h"

#include <QUrl>
#include <functional>

// The Shell of the running desktop: QDesktopServices for open, the file manager's properties window over
// D-Bus (org.freedesktop.FileManager1) with a fallback of the window's own, our own freedesktop.org trash
// and a rename that never replaces. Paths are in native form (see native_name.h).
class DesktopShell : public Shell
{
public:
    // Shows a file's properties when no file manager answers over D-Bus.
    using PropertiesFallback = std::function<void(const QString &path, QWidget *owner)>;

    explicit DesktopShell(PropertiesFallback fallback);

    bool open(const QString &pathOrUrl) override;
    // Asks the file manager without waiting; the fallback runs later, from the event loop, when the call
    // fails or gets no answer within a few seconds.
    void showProperties(const QString &path, QWidget *owner) override;
    std::optional<ShellFailure> moveToTrash(const QString &path) override;
    std::optional<ShellFailure> rename(const QString &from, const QString &to) override;

    // What `open` hands to the desktop: a local-file URL for a path (relative paths taken from the
    // current directory; the bytes of a name that is not UTF-8 percent-encoded), the address itself when
    // the text starts with a scheme of two letters or more.
    static QUrl urlFor(const QString &pathOrUrl);

private:
    PropertiesFallback m_fallback;
};
