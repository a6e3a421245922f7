#include "platform/ini_file.h"

#include "platform/regular_file_reader.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A settings file is a few kilobytes; anything past this is not one and is never loaded whole.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

struct FileBytes
{
    QByteArray bytes;
    bool exists = false;
    std::optional<WriteFailure> failure; // set when something is there but cannot be read as a file
};

FileBytes readExisting(const QString &path)
{
    RegularFileRead read = readRegularFile(path, kMaxFileSize);
    if (read.status == RegularFileRead::Status::Failed)
        return {{}, true, WriteFailure{path, read.reason}};
    return {std::move(read.bytes), read.status == RegularFileRead::Status::Ok, std::nullopt};
}

} // namespace

IniDocument IniFile::load() const
{
    FileBytes existing = readExisting(m_path);
    if (existing.failure)
        return {};
    return IniDocument(existing.bytes);
}

std::optional<WriteFailure> IniFile::write(QStringView section, QStringView key, const QString &value)
{
    return write(QList<IniEntry>{{section.toString(), key.toString(), value}});
}

std::optional<WriteFailure> IniFile::write(const QList<IniEntry> &entries)
{
    // A file that exists but cannot be read is not replaced: that would lose every other key in it.
    const FileBytes existing = readExisting(m_path);
    if (existing.failure)
        return existing.failure;

    IniDocument document(existing.bytes);
    for (const IniEntry &entry : entries)
        document.write(entry.section, entry.key, entry.value);
    const QByteArray bytes = document.toBytes();
    if (existing.exists && bytes == existing.bytes)
        return std::nullopt;

    QDir().mkpath(QFileInfo(m_path).absolutePath());
    return writeWholeFile(m_path, bytes);
}
