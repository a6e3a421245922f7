// Reads PDF files the way a listing does (the plain reader, else qpdf): for each file of DIR, open, read the
// properties, close. Prints
// one tab-separated row per PDF file (name, title, subject, author, keywords, created, saved, pages,
// application), then the files read and the time per file on standard error.
//   pdf_bench DIR
// With --hostile, builds hostile files (a 1 GiB Flate bomb as the XMP stream, a million nested arrays,
// a page tree with a hundred thousand references to itself, 32 MB of objects without a cross-reference
// table, an information dictionary of 100,000 keys, a table of 500,000 entries) and prints, for each, the time and the peak memory of reading it in a child process, beside
// those of a child that reads nothing.
//   pdf_bench --hostile
#include "platform/document_reader.h"
#include "support/pdf_writer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>
#include <cstdio>
#include <ctime>
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

qint64 threadCpuMicroseconds()
{
    timespec now = {};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

// Reads `bytes` in a child process (after a first read of a sound file, so that qpdf's start-up is not
// counted); prints the processor time of the read, its wall time and the child's peak resident memory.
void measure(const char *name, const QByteArray &bytes, bool read = true)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return;
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child == 0) {
        // A file that the plain reader leaves to qpdf: qpdf is then loaded.
        (void)readDocumentBytes(minimalPdf("/Title (T)", "/Lang (fr\r)"));
        QElapsedTimer timer;
        timer.start();
        const qint64 start = threadCpuMicroseconds();
        if (read)
            (void)readDocumentBytes(bytes);
        const qint64 times[2] = {threadCpuMicroseconds() - start, timer.nsecsElapsed() / 1000};
        (void)!::write(pipeEnds[1], times, sizeof times);
        ::_exit(0);
    }
    qint64 times[2] = {-1, -1};
    (void)!::read(pipeEnds[0], times, sizeof times);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    int status = 0;
    struct rusage usage = {};
    ::wait4(child, &status, 0, &usage);
    std::printf("%-46s %9lld bytes %7.1f ms processor %7.1f ms wall %6.1f MB peak\n", name,
                qint64(bytes.size()), double(times[0]) / 1000, double(times[1]) / 1000,
                double(usage.ru_maxrss) / 1024);
}

int hostile()
{
    const QByteArray xmp = "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"/>";
    measure("(a child that reads nothing)", {}, false);
    measure("sound one-page file", minimalPdf("/Title (Titre)"));
    measure("1 GiB Flate bomb as the XMP stream",
            minimalPdf("/Title (T)", "/Metadata 5 0 R",
                       {{5, pdfStream("/Type /Metadata /Subtype /XML /Filter /FlateDecode",
                                      deflated(xmp, 1 << 30))}}));
    measure("1,000,000 nested arrays", minimalPdf("/Title " + QByteArray("[").repeated(1000000)));
    QByteArray kids;
    for (int i = 0; i < 100000; ++i)
        kids += "2 0 R ";
    measure(
        "page tree with 100,000 references to itself",
        minimalPdf("/Title (T)").replace("/Kids [3 0 R] /Count 1", "/Kids [" + kids + "] /Count 99999999"));
    QByteArray objects = "%PDF-1.7\n";
    for (int i = 1; objects.size() < (32 << 20); ++i)
        objects += QByteArray::number(i) + " 0 obj\n<< /Title (" + QByteArray(100, 'x') + ") >>\nendobj\n";
    measure("32 MB of objects, no cross-reference table", objects);
    QByteArray keys;
    for (int i = 0; i < 100000; ++i)
        keys += "/K" + QByteArray::number(i) + " (v) ";
    measure("information dictionary of 100,000 keys", minimalPdf(keys + "/Title (T)"));
    PdfWriter large = minimalPdfWriter("/Title (T)");
    for (int i = 5; i < 500000; ++i)
        large.addObject(i, "null");
    measure("cross-reference table of 500,000 entries", large.build(kMinimalTrailer));
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
