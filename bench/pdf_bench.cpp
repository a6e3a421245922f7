// Reads PDF files the way a listing does (the plain reader, else qpdf): for each file of DIR, open, read the
// properties, close. Prints
// one tab-separated row per PDF file (name, title, subject, author, keywords, created, saved, pages,
// application), then the files read and the time per file on standard error.
//   pdf_bench DIR
// With --hostile, builds hostile files (a 1 GiB Flate bomb as the XMP stream, a million nested arrays,
// a page tree with a hundred thousand references to itself, 32 MB of objects without a cross-reference
// table, an information dictionary of 100,000 keys, the same behind a wrong table, a title of 9 MB, an array
// of 4,000,000 numbers, a table of 500,000 entries) and prints, for each, the time and the peak memory of
// reading it in a child process, beside those of a child that reads nothing.
//   pdf_bench --hostile
#include "platform/document_reader.h"
#include "platform/thread_cpu_time.h"
#include "support/pdf_writer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString cell(const std::optional<QString> &text)
{
    return text.value_or(QString());
}

QString cell(const std::optional<DocumentDate> &date)
{
    return date ? date->time.toString(Qt::ISODate) : QString();
}

int listDirectory(const QString &path)
{
    QTextStream out(stdout);
    const QDir dir(path);
    const QStringList names = dir.entryList(QDir::Files, QDir::Unsorted);
    QElapsedTimer timer;
    timer.start();
    int documents = 0;
    for (const QString &name : names) {
        const DocumentRead read = readDocument(dir.filePath(name));
        const auto &p = read.properties;
        if (read.format != DocumentFormat::Pdf || !p)
            continue;
        ++documents;
        out << name << '\t' << cell(p->text(2)) << '\t' << cell(p->text(3)) << '\t' << cell(p->text(4))
            << '\t' << cell(p->text(5)) << '\t' << cell(p->date(12)) << '\t' << cell(p->date(13)) << '\t'
            << (p->number(14) ? QString::number(*p->number(14)) : QString()) << '\t' << cell(p->text(18))
            << '\n';
    }
    out.flush();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    std::fprintf(stderr, "files %lld, PDF files %d, %.3f s, %.1f us per file\n", qint64(names.size()),
                 documents, seconds, names.isEmpty() ? 0.0 : seconds * 1e6 / double(names.size()));
    return 0;
}

qint64 residentKilobytes()
{
    long pages = 0;
    long resident = 0;
    if (std::FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return qint64(resident) * ::sysconf(_SC_PAGESIZE) / 1024;
}

// Builds a file with `make` and reads it in a child process (after a first read of a file that the plain
// reader leaves to qpdf, so that qpdf's start-up is not counted); prints the processor time of the read,
// its wall time, the child's peak resident memory and how far that peak rose above what the child held
// before the read (the file's bytes among it).
void measure(const char *name, const std::function<QByteArray()> &make, bool read = true)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return;
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child == 0) {
        (void)readDocumentBytes(minimalPdf("/Title (T)", "/Lang (fr\r)"));
        const QByteArray bytes = make();
        const qint64 before = residentKilobytes();
        QElapsedTimer timer;
        timer.start();
        const qint64 start = threadCpuNanoseconds();
        if (read)
            (void)readDocumentBytes(bytes);
        const qint64 report[4] = {(threadCpuNanoseconds() - start) / 1000, timer.nsecsElapsed() / 1000,
                                  before, bytes.size()};
        (void)!::write(pipeEnds[1], report, sizeof report);
        ::_exit(0);
    }
    qint64 report[4] = {-1, -1, 0, 0};
    (void)!::read(pipeEnds[0], report, sizeof report);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    int status = 0;
    struct rusage usage = {};
    ::wait4(child, &status, 0, &usage);
    std::printf("%-46s %9lld bytes %7.1f ms processor %7.1f ms wall %6.1f MB peak %6.1f MB above\n", name,
                report[3], double(report[0]) / 1000, double(report[1]) / 1000, double(usage.ru_maxrss) / 1024,
                double(usage.ru_maxrss - report[2]) / 1024);
}

QByteArray largeInformationDictionary()
{
    QByteArray keys;
    for (int i = 0; i < 100000; ++i)
        keys += "/K" + QByteArray::number(i) + " (v) ";
    return minimalPdf(keys + "/Title (T)");
}

int hostile()
{
    measure(
        "(a child that reads nothing)", [] { return QByteArray(); }, false);
    measure("sound one-page file", [] { return minimalPdf("/Title (Titre)"); });
    measure("1 GiB Flate bomb as the XMP stream", [] {
        const QByteArray xmp = "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"/>";
        return minimalPdf(
            "/Title (T)", "/Metadata 5 0 R",
            {{5, pdfStream("/Type /Metadata /Subtype /XML /Filter /FlateDecode", deflated(xmp, 1 << 30))}});
    });
    measure("1,000,000 nested arrays",
            [] { return minimalPdf("/Title " + QByteArray("[").repeated(1000000)); });
    measure("page tree with 100,000 references to itself", [] {
        return minimalPdf("/Title (T)")
            .replace("/Kids [3 0 R] /Count 1",
                     "/Kids [" + QByteArray("2 0 R ").repeated(100000) + "] /Count 99999999");
    });
    measure("32 MB of objects, no cross-reference table", [] {
        QByteArray objects = "%PDF-1.7\n";
        for (int i = 1; objects.size() < (32 << 20); ++i)
            objects +=
                QByteArray::number(i) + " 0 obj\n<< /Title (" + QByteArray(100, 'x') + ") >>\nendobj\n";
        return objects;
    });
    measure("information dictionary of 100,000 keys", largeInformationDictionary);
    // Offsets all wrong: qpdf rebuilds the table and reads the dictionary all the same.
    measure("the same, every offset wrong",
            [] { return "%PDF-1.7\n%%\n" + largeInformationDictionary().mid(9); });
    measure("title of 1,300,000 escapes (9 MB)",
            [] { return minimalPdf("/Title (" + QByteArray("\\101\\(x").repeated(1300000) + ")"); });
    measure("array of 4,000,000 numbers",
            [] { return minimalPdf("/Title (T) /Keywords [" + QByteArray("0 ").repeated(4000000) + "]"); });
    measure("cross-reference table of 500,000 entries", [] {
        PdfWriter large = minimalPdfWriter("/Title (T)");
        for (int i = 5; i < 500000; ++i)
            large.addObject(i, "null");
        return large.build(kMinimalTrailer);
    });
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && QByteArray(argv[1]) == "--hostile")
        return hostile();
    if (argc != 2) {
        std::fprintf(stderr, "usage: pdf_bench DIR | pdf_bench --hostile\n");
        return 2;
    }
    return listDirectory(QString::fromLocal8Bit(argv[1]));
}
