#include "platform/safe_file_writer.h"

#include <QRandomGenerator>

namespace {

// Past this many bytes of the destination's name the temporary name keeps only a start of it, so that it
// stays within the system's name limit; the random part makes it unique.
constexpr qsizetype kKeptNameLength = 64;

} // namespace

SafeFileWriter::SafeFileWriter(QString path)
    : m_path(std::move(path))
{}

SafeFileWriter::~SafeFileWriter()
{
    cancel();
}

QString SafeFileWriter::temporaryCandidate() const
{
    const qsizetype slash = m_path.lastIndexOf(u'/');
    const QString directory = m_path.left(slash + 1);
    const QString name = m_path.mid(slash + 1).left(kKeptNameLength);
    static constexpr char kDigits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < 8; ++i)
        suffix += QLatin1Char(kDigits[QRandomGenerator::global()->bounded(36)]);
    return directory + u'.' + name + u'.' + suffix;
}

std::optional<WriteFailure> writeWholeFile(const QString &path, QByteArrayView bytes)
{
    SafeFileWriter writer(path);
    if (writer.open())
        (void)writer.write(bytes);
    return writer.commit();
}
