#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A file the program could not write, and the system's reason.
struct WriteFailure
{
    QString path;
    QString reason;
};

// Writes the whole file through QSaveFile, so that either the new content or the old file is on disk.
[[nodiscard]] std::optional<WriteFailure> writeWholeFile(const QString &path, const QByteArray &bytes);
