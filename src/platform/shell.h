#pragma once

#include <QString>
#include <optional>

class QWidget;

// A file operation the desktop refused, and the system's reason.
struct ShellFailure
{
    QString path;
    QString reason;
};

// The desktop services the window uses on documents and pages: open, properties, trash and rename. The
// window asks through this interface so that tests can stand in for the desktop. Paths are in native form
// (see native_name.h), so that a name that is not UTF-8 reaches its own file.
class Shell
{
public:
    virtual ~Shell() = default;

    // Hands a local path or an address ("https://...", "mailto:...") to the desktop, which opens it with
    // the associated application. False when nothing took it; the desktop reports its own failures.
    virtual bool open(const QString &pathOrUrl) = 0;
    // Shows the properties window of a file over `owner` (which may be null). Returns at once.
    virtual void showProperties(const QString &path, QWidget *owner) = 0;
    // Moves a file to the trash; on failure the file stays where it was.
    [[nodiscard]] virtual std::optional<ShellFailure> moveToTrash(const QString &path) = 0;
    // Renames a file; fails, touching nothing, when `to` already exists.
    [[nodiscard]] virtual std::optional<ShellFailure> rename(const QString &from, const QString &to) = 0;
};
