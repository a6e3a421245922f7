#include "gridlist/grid_list_file.h"

#include "platform/regular_file_reader.h"
#include "platform/windows1252.h"

#include <QFileInfo>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// A line takes a path and a dozen bytes: this holds hundreds of thousands of directories, far more than
// any list a person keeps, while a file that is no grid list is never loaded whole.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

// Reads one line of the written form; nullopt for anything else.
std::optional<GridListEntry> parseLine(QStringView line)
{
    if (line.size() < 2 || line.front() != u'"')
        return std::nullopt;
    QString path;
    qsizetype i = 1;
    for (;; ++i) {
        if (i >= line.size())
            return std::nullopt; // no closing quote
        if (line[i] != u'"') {
            path += line[i];
            continue;
        }
        if (i + 1 < line.size() && line[i + 1] == u'"') {
            path += u'"';
            ++i;
            continue;
        }
        break;
    }
    const QStringView rest = line.mid(i + 1);
    if (rest == u",#TRUE#")
        return GridListEntry{path, true};
    if (rest == u",#FALSE#")
        return GridListEntry{path, false};
    return std::nullopt;
}

} // namespace

QByteArray formatGridList(const GridList &entries)
{
    QString text;
    for (const GridListEntry &entry : entries) {
        QString path = entry.path;
        path.replace(u'"', QStringLiteral("\"\""));
        text += u'"' + path + u'"' + (entry.checked ? u",#TRUE#"_s : u",#FALSE#"_s) + u"\r\n"_s;
    }
    return text.toUtf8();
}

GridList parseGridList(const QByteArray &bytes)
{
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    const QString text = isValidUtf8(body) ? QString::fromUtf8(body) : fromWindows1252(body);
    GridList entries;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (auto entry = parseLine(line))
            entries << *entry;
    }
    return entries;
}

GridList LireListeTableaux(const QString &filePath)
{
    const RegularFileRead read = readRegularFile(filePath, kMaxFileSize);
    if (read.status != RegularFileRead::Status::Ok)
        return {};
    GridList entries = parseGridList(read.bytes);
    for (GridListEntry &entry : entries) {
        if (!QFileInfo(entry.path).isDir())
            entry.checked = false;
    }
    return entries;
}

std::optional<WriteFailure> EcrireListeTableaux(const QString &filePath, const GridList &entries)
{
    // A line feed would split the entry's line: the entry would not read back.
    for (const GridListEntry &entry : entries) {
        if (entry.path.contains(u'\n'))
            return WriteFailure{filePath,
                                u"A directory path holds a line feed, which the file cannot store: "_s +
                                    entry.path};
    }
    return writeWholeFile(filePath, formatGridList(entries));
}
