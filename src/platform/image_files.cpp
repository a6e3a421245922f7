#include "platform/image_files.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

QStringList listImageFiles(const QString &directory)
{
    if (directory.isEmpty())
        return {};
    // QDir matches name filters without regard to case unless told otherwise, so "PHOTO.JPG" is offered.
    return QDir(directory).entryList(
        {QStringLiteral("*.gif"), QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")}, QDir::Files,
        QDir::Name | QDir::IgnoreCase);
}

bool isNonEmptyFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.size() > 0;
}

QSize fitPreview(QSize natural, int box)
{
    if (natural.width() <= 0 || natural.height() <= 0 || box <= 0)
        return {};
    if (natural.width() <= box && natural.height() <= box)
        return natural;
    auto scaled = [box](int side, int longer) {
        return std::max(1, int(std::lround(double(box) * side / longer)));
    };
    if (natural.height() <= natural.width())
        return {box, scaled(natural.height(), natural.width())};
    return {scaled(natural.width(), natural.height()), box};
}
