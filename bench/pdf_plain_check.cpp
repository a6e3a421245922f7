// Reads PDF files both without qpdf and with it, and prints one line per file: "plain" when the plain
// reader read it with the same values as qpdf, "qpdf" when it left the file to qpdf, "DIFFERENT" when
// they disagree (then the values on which they do, and exits 1). Usage: pdf_plain_check PATH...   (files, or
// directories whose files are read)
#include "platform/byte_source.h"
#include "platform/pdf_plain_reader.h"
#include "platform/pdf_reader.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

QByteArray shown(const std::optional<QByteArray> &value)
{
    return value ? "\"" + value->left(60).toPercentEncoding(" /:<>\"") + "\"" : QByteArray("(none)");
}

// Prints the values on which the readers disagree.
void describeDifference(const PdfRawValues &plain, const std::optional<PdfRawValues> &qpdf)
{
    if (!qpdf) {
        std::printf("  qpdf gives nothing\n");
        return;
    }
    for (size_t i = 0; i < kPdfInfoKeyCount; ++i) {
        if (plain.info[i] != qpdf->info[i])
            std::printf("  %s: plain %s, qpdf %s\n", kPdfInfoKeys[i], shown(plain.info[i]).constData(),
                        shown(qpdf->info[i]).constData());
    }
    if (plain.xmp != qpdf->xmp)
        std::printf("  XMP: plain %s, qpdf %s\n", shown(plain.xmp).constData(), shown(qpdf->xmp).constData());
    if (plain.pages != qpdf->pages)
        std::printf("  pages: plain %lld, qpdf %lld\n", plain.pages.value_or(-1), qpdf->pages.value_or(-1));
}

} // namespace

int main(int argc, char **argv)
{
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(path).isDir()) {
            for (const QString &name : QDir(path).entryList(QDir::Files, QDir::Name))
                files.append(QDir(path).filePath(name));
        } else {
            files.append(path);
        }
    }
    int plain = 0;
    bool differs = false;
    for (const QString &path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.readAll();
        MemoryByteSource source(bytes);
        const auto fast = readPlainPdf(source);
        const char *verdict = "qpdf";
        if (fast) {
            const auto slow = readPdfRawValues(source);
            verdict = fast == slow ? "plain" : "DIFFERENT";
            if (fast != slow)
                describeDifference(*fast, slow);
            differs = differs || fast != slow;
            ++plain;
        }
        std::printf("%-9s %s\n", verdict, qPrintable(path));
    }
    std::fprintf(stderr, "%d of %lld files read without qpdf\n", plain, qint64(files.size()));
    return differs ? 1 : 0;
}
