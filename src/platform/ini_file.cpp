#include "platform/ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A settings file is a few kilobytes; anything past this is not one and is never loaded whole.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

struct FileBytes
{
    QByteArray bytes;
    std::optional<WriteFailure> failure; // set when the file exists but cannot be read
};

FileBytes readExisting(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return {{}, WriteFailure{path, file.errorString()}};
    if (file.size() > kMaxFileSize)
        return {{}, WriteFailure{path, QStringLiteral("File too large")}};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, WriteFailure{path, file.errorString()}};
    return {bytes, std::nullopt};
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
    if (bytes == existing.bytes && QFileInfo::exists(m_path))
        return std::nullopt;

    QDir().mkpath(QFileInfo(m_path).absolutePath());
    return writeWholeFile(m_path, bytes);
}
