// Reads zip packages the way a listing would (open, read the properties, close) and prints one line per
// file: the name, the read status and the seventeen values, tab-separated; on standard error, the file
// count and the wall-clock and processor time per file inside the process. With --hostile DIR, writes the
// hostile packages of the tests into DIR instead. Usage: package_read PATH...   (files, or directories whose
// files are read)
//        package_read --hostile DIR
#include "platform/file_byte_source.h"
#include "platform/package_reader.h"
#include "support/hostile_packages.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr int kColumns[] = {18, 2, 4, 3, 5, 7, 6, 8, 9, 14, 15, 16, 19, 12, 13, 11};

QString line(const QString &name, ReadStatus status, const std::optional<DocumentProperties> &properties)
{
    QStringList cells{name, QString::number(int(status))};
    for (int id : kColumns) {
        if (!properties)
            cells.append(QString());
        else if (const auto text = properties->text(id))
            cells.append(*text);
        else if (const auto number = properties->number(id))
            cells.append(QString::number(*number));
        else if (const auto date = properties->date(id))
            cells.append(date->time.toString(Qt::ISODate));
        else
            cells.append(QString());
    }
    cells.append(properties && properties->editingMinutes() ? QString::number(*properties->editingMinutes())
                                                            : QString());
    return cells.join(u'\t');
}

int writeHostile(const QString &directory)
{
    QDir().mkpath(directory);
    const QString secret = QDir(directory).filePath(QStringLiteral("secret.txt"));
    int index = 0;
    for (const HostilePackage &hostile : hostilePackages(secret)) {
        QFile file(
            QDir(directory).filePath(QStringLiteral("hostile%1.zip").arg(index++, 2, 10, QChar(u'0'))));
        if (!file.open(QIODevice::WriteOnly) || file.write(hostile.bytes) != hostile.bytes.size())
            return 1;
        std::printf("%s\t%s\n", qPrintable(file.fileName()), hostile.name);
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && QByteArray(argv[1]) == "--hostile")
        return writeHostile(QString::fromLocal8Bit(argv[2]));
    QStringList paths;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        const QDir dir(path);
        if (!dir.exists()) {
            paths.append(path);
            continue;
        }
        for (const QString &name : dir.entryList(QDir::Files, QDir::Unsorted))
            paths.append(dir.filePath(name));
    }
    QTextStream out(stdout);
    QElapsedTimer timer;
    timer.start();
    const std::clock_t processor = std::clock();
    for (const QString &path : paths) {
        FileByteSource source(path);
        ReadStatus status = ReadStatus::Unreadable;
        const auto properties = readPackageProperties(source, nullptr, &status);
        out << line(QFileInfo(path).fileName(), status, properties) << '\n';
    }
    out.flush();
    const double count = std::max<double>(1.0, double(paths.size()));
    const double wall = double(timer.nsecsElapsed()) / 1000.0 / count;
    const double cpu = double(std::clock() - processor) * 1e6 / CLOCKS_PER_SEC / count;
    std::fprintf(stderr, "files: %lld, %.1f us wall, %.1f us processor per file\n",
                 static_cast<long long>(paths.size()), wall, cpu);
    return 0;
}
