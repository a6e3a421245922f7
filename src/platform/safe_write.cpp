#include "platform/safe_write.h"

#include <QSaveFile>

std::optional<WriteFailure> writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return WriteFailure{path, file.errorString()};
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return WriteFailure{path, reason};
    }
    if (!file.commit())
        return WriteFailure{path, file.errorString()};
    return std::nullopt;
}
