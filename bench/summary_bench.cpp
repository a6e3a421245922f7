// Cost of reading documents' summary information the way a directory listing does: open, every column's
// cell, close. Documents are generated into a temporary directory, or taken from the directory named by
// FICHORAMA_BENCH_DOCS.
#include "listing/summary_values.h"
#include "platform/document_reader.h"
#include "platform/file_byte_source.h"
#include "platform/local_time.h"
#include "support/compound_file_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The seventeen summary columns; the eighteenth, the short name, is asked for separately.
constexpr int kColumns[] = {18, 2, 4, 3, 5, 7, 6, 8, 9, 14, 15, 16, 19, 12, 13, 11, 10};

QByteArray summaryStream(int serial)
{
    PropertySetWriter set;
    set.addCodePage(1252);
    set.addLpstr(2, "Rapport trimestriel \xE9t\xE9 n\xB0 " + QByteArray::number(serial));
    set.addLpstr(3, "Ventes");
    set.addLpstr(4, "C\xE9"
                    "dric Dupr\xE9");
    set.addLpstr(5, "ventes; trimestre");
    set.addLpstr(6, "Commentaire avec \xAB guillemets \xBB");
    set.addLpstr(7, "Normal.dot");
    set.addLpstr(8, "L\xE9"
                    "a Martin");
    set.addLpstr(9, "15");
    set.addFileTime(10, 39000000000ULL);
    set.addFileTime(11, 0);
    set.addFileTime(12, 125000150100000000ULL + quint64(serial) * 600000000ULL);
    set.addFileTime(13, 125000250100000000ULL);
    set.addI4(14, 3);
    set.addI4(15, 1200);
    set.addI4(16, 7000);
    set.addLpstr(18, "Microsoft Word 8.0");
    set.addI4(19, 0);
    return set.build();
}

// A Word-like document of about `size` bytes whose summary sits after the bulk of the data.
QByteArray document(int serial, qint64 size)
{
    CompoundFileWriter writer;
    writer.addStream(QStringLiteral("WordDocument"), QByteArray(size, 'w'));
    writer.addStream(QStringLiteral("1Table"), QByteArray(4200, 't'));
    writer.addStream(QStringLiteral("\u0005SummaryInformation"), summaryStream(serial));
    writer.addStream(QStringLiteral("\u0005DocumentSummaryInformation"), QByteArray(300, 'd'));
    writer.addStream(QStringLiteral("\u0001CompObj"), QByteArray(106, 'c'));
    return writer.build();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Opens a file, reads every column, closes it; returns the number of characters of the cells.
qsizetype readRow(const QString &path, const LocalTime &localTime)
{
    qsizetype characters = shortNameCell(path).size();
    if (const DocumentRead document = readDocument(path); document.properties) {
        for (const int id : kColumns)
            characters += summaryCell(*document.properties, id, localTime).size();
    }
    return characters;
}

void readDirectory(benchmark::State &state)
{
    QTemporaryDir scratch;
    QString directory = qEnvironmentVariable("FICHORAMA_BENCH_DOCS");
    if (directory.isEmpty()) {
        directory = scratch.path();
        for (int i = 0; i < 1000; ++i)
            write(scratch.filePath(QStringLiteral("document %1.doc").arg(i)), document(i, 8000 + 37 * i));
    }
    QStringList paths;
    const QDir dir(directory);
    for (const QString &name : dir.entryList(QDir::Files))
        paths.append(dir.filePath(name));
    const LocalTime localTime;
    for (const QString &path : paths)
        readRow(path, localTime); // warm the cache
    for (auto _ : state) {
        for (const QString &path : paths)
            benchmark::DoNotOptimize(readRow(path, localTime));
    }
    state.SetItemsProcessed(state.iterations() * paths.size());
}

// The same document at 50 KB and at 50 MB: the summary read should cost about the same.
void readLargeFile(benchmark::State &state)
{
    QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("large.doc"));
    write(path, document(1, state.range(0)));
    const LocalTime localTime;
    readRow(path, localTime);
    for (auto _ : state)
        benchmark::DoNotOptimize(readRow(path, localTime));
    state.SetItemsProcessed(state.iterations());
    state.counters["file_bytes"] = double(QFileInfo(path).size());
}

// Bytes read from disk for one document: the file layer touches only the sectors it needs.
class CountingSource : public FileByteSource
{
public:
    using FileByteSource::FileByteSource;
    bool read(qint64 offset, qint64 length, char *out) override
    {
        bytesRead += length;
        ++reads;
        return FileByteSource::read(offset, length, out);
    }
    qint64 bytesRead = 0;
    int reads = 0;
};

void bytesTouched(benchmark::State &state)
{
    QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("large.doc"));
    write(path, document(1, state.range(0)));
    qint64 bytes = 0;
    int reads = 0;
    for (auto _ : state) {
        CountingSource source(path);
        benchmark::DoNotOptimize(readDocument(source));
        bytes = source.bytesRead;
        reads = source.reads;
    }
    state.counters["bytes_read"] = double(bytes);
    state.counters["reads"] = reads;
}

// A document built to lead the reader over every sector of a sprawling directory and mini stream: it
// should cost no more reads than it has sectors.
void readSprawlingDocument(benchmark::State &state)
{
    QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("sprawling.doc"));
    write(path, sprawlingDocument(summaryStream(1)));
    int reads = 0;
    for (auto _ : state) {
        CountingSource source(path);
        benchmark::DoNotOptimize(readDocument(source));
        reads = source.reads;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["reads"] = reads;
    state.counters["sectors"] = double(QFileInfo(path).size() / 512);
}

} // namespace

BENCHMARK(readDirectory)->Unit(benchmark::kMillisecond);
BENCHMARK(readLargeFile)->Arg(50 * 1024)->Arg(50 * 1024 * 1024)->Unit(benchmark::kMicrosecond);
BENCHMARK(bytesTouched)->Arg(50 * 1024)->Arg(50 * 1024 * 1024)->Unit(benchmark::kMicrosecond);
BENCHMARK(readSprawlingDocument)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
