// Fills a directory with generated files for the whole-process benchmarks and the output comparisons:
// Office-like compound documents with every summary property (texts in several code pages, dates,
// counts, editing times), a few of them larger than 64 KB, and, with --mixed, one file in ten that is no
// document (PDF, HTML, our own page, plain and hidden files). The same arguments give the same files.
// Usage: make_documents DIR COUNT [--mixed]
#include "support/compound_file_writer.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

// A small linear congruential generator: the files must not change between runs.
class Sequence
{
public:
    explicit Sequence(quint64 seed)
        : m_state(seed * 6364136223846793005ULL + 1442695040888963407ULL)
    {}
    quint32 next(quint32 bound)
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return quint32(m_state >> 33) % bound;
    }

private:
    quint64 m_state;
};

const char *const kWords[] = {"rapport", "Budget", "ventes", "Trimestre", "été",   "réunion", "Projet",
                              "10",      "2,5",    "notes",  "Zèbre",     "alpha", "Été",     "100"};

QByteArray words(Sequence &random, int count)
{
    QByteArray text;
    for (int i = 0; i < count; ++i) {
        if (i)
            text += ' ';
        text += QString::fromUtf8(kWords[random.next(sizeof kWords / sizeof *kWords)]).toLatin1();
    }
    return text;
}

QByteArray summaryStream(Sequence &random, int serial)
{
    PropertySetWriter set;
    const quint32 flavour = random.next(20);
    if (flavour == 0) {
        // Cyrillic through the system's converter.
        set.addCodePage(1251);
        set.addLpstr(2, "\xCE\xF2\xF7\xE5\xF2 " + QByteArray::number(serial));
    } else if (flavour == 1) {
        set.addLpwstr(2, QStringLiteral("Unicode \u65E5\u672C %1").arg(serial));
    } else {
        set.addCodePage(1252);
        // Some titles are plain numbers, which the sort and the pages treat as numbers.
        set.addLpstr(2, flavour == 2 ? QByteArray::number(random.next(1000))
                                     : words(random, 1 + int(random.next(4))));
    }
    set.addLpstr(3, words(random, 2));
    set.addLpstr(4, random.next(3) ? QByteArray("C\xE9"
                                                "dric Dupr\xE9")
                                   : QByteArray("Marie <Martin> & Co"));
    set.addLpstr(5, words(random, 3));
    set.addLpstr(6, random.next(10) ? words(random, 6) : QByteArray("ligne\tavec\r\nsauts"));
    set.addLpstr(7, "Normal.dot");
    set.addLpstr(8, words(random, 1));
    set.addLpstr(9, QByteArray::number(random.next(40)));
    set.addFileTime(10, quint64(random.next(5000)) * 600000000ULL);
    if (random.next(4))
        set.addFileTime(11, 125000000000000000ULL + quint64(random.next(900000)) * 6000000000ULL);
    set.addFileTime(12, 120000000000000000ULL + quint64(random.next(2000000)) * 6000000000ULL);
    set.addFileTime(13, 130000000000000000ULL + quint64(random.next(2000000)) * 6000000000ULL);
    set.addI4(14, qint32(random.next(300)));
    set.addI4(15, qint32(random.next(90000)));
    if (random.next(5))
        set.addI4(16, qint32(random.next(500000)));
    set.addLpstr(18, random.next(2) ? QByteArray("Microsoft Word 8.0") : QByteArray("Microsoft Excel"));
    set.addI4(19, qint32(random.next(3)));
    return set.build();
}

QByteArray document(Sequence &random, int serial)
{
    CompoundFileWriter writer;
    // Most documents are a few tens of kilobytes; one in fifty is larger than 64 KB.
    const qint64 body = random.next(50) == 0 ? 70000 + random.next(200000) : 2048 + random.next(24000);
    writer.addStream(QStringLiteral("WordDocument"), QByteArray(body, 'w'));
    writer.addStream(QStringLiteral("\u0005SummaryInformation"), summaryStream(random, serial));
    writer.addStream(QStringLiteral("\u0001CompObj"), QByteArray(106, 'c'));
    return writer.build();
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: make_documents DIR COUNT [--mixed]\n");
        return 2;
    }
    const QDir directory(arguments[1]);
    const int count = arguments[2].toInt();
    const bool mixed = arguments.contains(QStringLiteral("--mixed"));
    if (!QDir().mkpath(directory.path()))
        return 1;
    Sequence random{quint64(count)};
    const char *const others[] = {"rapport %1.pdf", "page %1.htm",  "Fichorama %1.html", "notes %1.txt",
                                  ".cache %1.doc",  "image %1.PDF", "Index %1.HTML",     "vide %1.doc"};
    for (int i = 0; i < count; ++i) {
        QString name;
        QByteArray bytes;
        if (mixed && i % 10 == 9) {
            name = QString::fromUtf8(others[(i / 10) % 8]).arg(i);
            bytes = name.endsWith(QLatin1String(".doc")) && name.startsWith(QLatin1Char('.'))
                        ? document(random, i)
                        : QByteArray("not a document");
        } else {
            name = QStringLiteral("document %1.doc").arg(i);
            bytes = document(random, i);
        }
        if (!write(directory.filePath(name), bytes)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(directory.filePath(name)));
            return 1;
        }
    }
    return 0;
}
