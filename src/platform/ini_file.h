#pragma once

#include "platform/ini_document.h"
#include "platform/safe_file_writer.h"

#include <QList>
#include <QString>
#include <optional>

// One key to write: section, key and the value text.
struct IniEntry
{
    QString section;
    QString key;
    QString value;
};

// An INI file on disk, read and written as the Windows profile functions did: reads return at most 254
// characters, a write changes one key and keeps every other line byte for byte. A file that cannot be
// read reads as a missing file.
class IniFile
{
public:
    explicit IniFile(QString path)
        : m_path(std::move(path))
    {}

    const QString &path() const { return m_path; }

    // Reads and parses the file once; read many keys from the result. Costs one file read.
    IniDocument load() const;
    // One key, at most 254 characters; empty when the key is missing, stored empty, or the file unreadable.
    QString read(QStringView section, QStringView key) const { return load().read(section, key); }

    // Writes one key, creating the key, its section, the file and its missing parent directories as
    // needed. Leaves the file untouched when it already holds the value.
    std::optional<WriteFailure> write(QStringView section, QStringView key, const QString &value);
    // Writes several keys in their order with one rewrite of the file; the result is the same as
    // writing them one after the other.
    std::optional<WriteFailure> write(const QList<IniEntry> &entries);

private:
    QString m_path;
};
