#include "platform/file_byte_source.h"

#include <QFileInfo>

FileByteSource::FileByteSource(const QString &path)
    : m_file(path)
{
    // Only regular files: opening a named pipe would wait for a writer.
    if (!QFileInfo(path).isFile()) return;
    if (m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) m_size = m_file.size();
}

bool FileByteSource::read(qint64 offset, qint64 length, char *out)
{
    if (offset < 0 || length < 0 || offset > m_size || length > m_size - offset) return false;
    if (!m_file.seek(offset)) return false;
    qint64 done = 0;
    while (done < length) {
        const qint64 got = m_file.read(out + done, length - done);
        if (got <= 0) return false;
        done += got;
    }
    return true;
}
