#include "platform/byte_source.h"
#include "platform/document_reader.h"
#include "support/compound_file_writer.h"
#include "support/counting_source.h"
#include "support/test_files.h"

#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>
#ifdef Q_OS_UNIX
#include <sys/stat.h>

using namespace Qt::StringLiterals;
#endif

namespace {

const QString kSummaryName = u"\u0005SummaryInformation"_s;

PropertySetWriter typicalSet()
{
    PropertySetWriter set;
    set.addCodePage(1252);
    set.addLpstr(2, "Rapport d'\xE9t\xE9");
    set.addLpwstr(4, u"Ζωή Ωμέγα"_s);
    set.addI4(14, 12);
    set.addI2(15, -3);
    set.addFileTime(10, 39000000000ULL + 599999999); // a minute less one unit over 65 minutes
    set.addFileTime(11, 0);
    set.addFileTime(12, fileTimeOf(QDateTime(QDate(2000, 5, 9), QTime(7, 3, 30), Qt::UTC)));
    set.addI4(16, 7);
    set.addLpstr(18, "Microsoft Word 8.0");
    return set;
}

} // namespace

TEST(OleProperties, ReadsValuesFromEveryLayout)
{
    struct Case
    {
        const char *name;
        int sectorShift;
        qint64 streamSize; // 4096 or more leaves the mini stream
        quint32 leadingFree;
    };
    const Case cases[] = {
        {"512-byte sectors, mini stream", 9, 0, 0},
        {"512-byte sectors, regular stream", 9, 6000, 0},
        {"4096-byte sectors, mini stream", 12, 0, 0},
        {"4096-byte sectors, regular stream", 12, 9000, 0},
        {"FAT beyond the header's 109 sectors", 9, 5000, 14000},
    };
    QTemporaryDir dir;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CompoundFileWriter writer(c.sectorShift);
        writer.setLeadingFreeSectors(c.leadingFree);
        writer.addStream(u"WordDocument"_s, QByteArray(700, 'w'));
        writer.addStream(kSummaryName, typicalSet().build(c.streamSize));
        writer.addStream(u"Data"_s, QByteArray(4500, 'd'));
        CompoundFileLayout layout;
        const QByteArray bytes = writer.build(&layout);
        if (c.leadingFree) {
            EXPECT_FALSE(layout.difatSectors.isEmpty());
        }
        const QString path = dir.filePath(QString::fromLatin1(c.name) + u".doc"_s);
        writeFile(path, bytes);

        for (const DocumentRead &read : {readDocumentBytes(bytes), readDocument(path)}) {
            EXPECT_EQ(read.format, DocumentFormat::Ole);
            ASSERT_TRUE(read.properties.has_value());
            const DocumentProperties &file = *read.properties;
            EXPECT_EQ(file.text(2), u"Rapport d'été"_s);
            EXPECT_EQ(file.text(4), u"Ζωή Ωμέγα"_s);
            EXPECT_EQ(file.text(18), u"Microsoft Word 8.0"_s);
            EXPECT_EQ(file.text(3), std::nullopt);
            EXPECT_EQ(file.text(14), std::nullopt) << "a number is not a text";
            EXPECT_EQ(file.number(14), 12);
            EXPECT_EQ(file.number(15), -3);
            EXPECT_EQ(file.number(19), std::nullopt);
            EXPECT_EQ(file.editingMinutes(), 65) << "rounded down to whole minutes";
            EXPECT_EQ(file.date(11), std::nullopt) << "a zero FILETIME is no date";
            ASSERT_TRUE(file.date(12).has_value());
            EXPECT_EQ(file.date(12)->time, QDateTime(QDate(2000, 5, 9), QTime(7, 3, 30), Qt::UTC));
            EXPECT_EQ(file.date(12)->time.timeSpec(), Qt::UTC);
            EXPECT_FALSE(file.date(12)->isWallClock);
            EXPECT_EQ(file.date(13), std::nullopt);
        }
    }
}

namespace {

// Summary documents whose title is stored in a code page, and the title they must give.
struct CodePageCase
{
    const char *name;
    QByteArray document;
    QString expected;
};

std::vector<CodePageCase> codePageCases()
{
    const auto lpstr = [](std::optional<quint16> codePage, const QByteArray &bytes) {
        PropertySetWriter set;
        if (codePage)
            set.addCodePage(*codePage);
        set.addLpstr(2, bytes);
        return summaryDocument(set.build());
    };
    PropertySetWriter cut;
    cut.addCodePage(51949);
    cut.addRaw(2, 0x1E, QByteArray("\x04\0\0\0\xC7\xD1 \xB1", 8));
    PropertySetWriter unicode;
    unicode.addCodePage(1200);
    unicode.addLpstrUtf16(2, u"Ελληνικά, 中文, é"_s);
    return {
        {"no code page", lpstr(std::nullopt, "\x80 \xE9t\xE9"), u"€ été"_s},
        {"Windows-1252", lpstr(1252, "\x9C\x75vre"), u"œuvre"_s},
        {"UTF-8 (65001, stored as -535)", lpstr(65001, "\xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x98\x80"),
         u"中文 😀"_s},
        {"Windows-1250", lpstr(1250, "\x9A\x9D\x9E"), u"šťž"_s},
        {"Windows-1251", lpstr(1251, "\xC8\xE2\xE0\xED"), u"Иван"_s},
        {"Shift-JIS (932)", lpstr(932, "\x93\xFA\x96\x7B"), u"日本"_s},
        {"ISO-2022-JP (50220), with shift states", lpstr(50220, "\x1B$BF|K\\\x1B(B"), u"日本"_s},
        {"EUC-KR (51949)", lpstr(51949, "\xC7\xD1\xB1\xDB"), u"한글"_s},
        {"Mac Roman (10000)", lpstr(10000, "Caf\x8E"), u"Café"_s},
        {"unknown code page", lpstr(12345, "\xE9"), u"é"_s},
        {"UTF-16 (1200)", summaryDocument(unicode.build()), u"Ελληνικά, 中文, é"_s},
        // A byte that does not fit the code page spoils only itself.
        {"Shift-JIS, a lone lead byte last", lpstr(932, "\x93\xFA\x96\x7B\x93"), u"日本\uFFFD"_s},
        {"Shift-JIS, a lead byte before a blank", lpstr(932, "\x93 \x96\x7B"), u"\uFFFD 本"_s},
        {"Windows-1251, the unassigned 0x98", lpstr(1251, "\xC8\x98\xE2"), u"И\uFFFDв"_s},
        {"stored without its NUL, cut in a character", summaryDocument(cut.build()), u"한 \uFFFD"_s},
    };
}

} // namespace

TEST(OleProperties, DecodesTextsInTheSetsCodePage)
{
    for (const CodePageCase &c : codePageCases()) {
        SCOPED_TRACE(c.name);
        const auto file = readDocumentBytes(c.document).properties;
        ASSERT_TRUE(file.has_value());
        EXPECT_EQ(file->text(2), c.expected);
    }
}

TEST(OleProperties, ReadsFromSeveralThreadsAtOnce)
{
    // The code pages need converters of the system, one of them with shift states.
    const std::vector<CodePageCase> documents = codePageCases();
    std::atomic<int> wrong = 0;
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < 300; ++round) {
                const CodePageCase &c = documents[size_t(round + t) % documents.size()];
                const auto file = readDocumentBytes(c.document).properties;
                if (!file || file->text(2) != c.expected)
                    ++wrong;
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_EQ(wrong, 0);
}

TEST(OleProperties, FindsTheRootSummaryAmongManySiblingsWhateverItsCase)
{
    PropertySetWriter set;
    set.addLpstr(2, "Embedded");
    CompoundFileWriter many;
    for (int i = 0; i < 40; ++i)
        many.addStream(u"Stream%1"_s.arg(i), QByteArray(10, 's'));
    many.addStream(u"\u0005SUMMARYINFORMATION"_s, set.build());
    for (int i = 40; i < 45; ++i)
        many.addStream(u"Stream%1"_s.arg(i), QByteArray(10, 's'));
    const auto file = readDocumentBytes(many.build()).properties;
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->text(2), u"Embedded"_s);
}

TEST(OleProperties, RefusesWhatIsNotASummary)
{
    const QByteArray good = summaryDocument(typicalSet().build());
    QByteArray badVersion = good;
    badVersion[0x1A] = 5;
    QByteArray badShift = good;
    badShift[0x1E] = 10;
    PropertySetWriter empty;
    QByteArray noSection = empty.build();
    noSection[28] = 'x'; // another format identifier
    // Only a summary stream under the root counts, not one of an embedded object.
    CompoundFileWriter embedded;
    embedded.addStream(u"WordDocument"_s, QByteArray(100, 'w'));
    const int object = embedded.addStorage(u"_1234"_s, embedded.addStorage(u"ObjectPool"_s));
    embedded.addStream(kSummaryName, typicalSet().build(), object);
    struct Case
    {
        const char *name;
        QByteArray bytes;
        ReadStatus status;
    };
    const Case cases[] = {
        {"empty file", {}, ReadStatus::OtherFormat},
        {"text file", "Lorem ipsum dolor sit amet", ReadStatus::OtherFormat},
        {"header cut short", good.left(300), ReadStatus::Damaged},
        {"version 5", badVersion, ReadStatus::Damaged},
        {"sector shift 10", badShift, ReadStatus::Damaged},
        {"no summary section", summaryDocument(noSection), ReadStatus::Damaged},
        {"empty summary stream", summaryDocument({}), ReadStatus::Damaged},
        {"summary of an embedded object only", embedded.build(), ReadStatus::NoSummary},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const DocumentRead read = readDocumentBytes(c.bytes);
        EXPECT_FALSE(read.properties.has_value());
        EXPECT_EQ(read.status, c.status);
        EXPECT_EQ(read.format,
                  c.status == ReadStatus::OtherFormat ? DocumentFormat::Unknown : DocumentFormat::Ole);
    }

    QTemporaryDir dir;
    QStringList unreadable = {u"/nonexistent/file.doc"_s, dir.path()};
#ifdef Q_OS_UNIX
    // A named pipe without a writer would block a plain open for ever.
    const QString pipe = dir.filePath(u"pipe.doc"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    unreadable.append(pipe);
#endif
    for (const QString &path : unreadable) {
        SCOPED_TRACE(qPrintable(path));
        const DocumentRead read = readDocument(path);
        EXPECT_FALSE(read.properties.has_value());
        EXPECT_EQ(read.status, ReadStatus::Unreadable);
        // A listing opens what its directory read typed as a regular file without asking again; a pipe or
        // a directory found there since is still not read, and is no failure to report.
        const DocumentRead listed = readDocument(path, PdfReading::Read, KnownFileType::RegularFile);
        EXPECT_EQ(listed.status, ReadStatus::Unreadable);
        EXPECT_EQ(listed.failure.isEmpty(), path != unreadable.first());
    }
#ifdef Q_OS_UNIX
    // A link put in place of a listed regular file is followed, like any path; the document's size comes
    // from the read itself, for one that fills the first read and for one shorter than it.
    CompoundFileWriter justOver;
    justOver.addStream(u"WordDocument"_s, QByteArray(64 * 1024, 'w'));
    justOver.addStream(kSummaryName, typicalSet().build());
    const QString small = dir.filePath(u"small.doc"_s);
    const QString large = dir.filePath(u"large.doc"_s);
    const QString link = dir.filePath(u"link.doc"_s);
    writeFile(small, summaryDocument(typicalSet().build()));
    writeFile(large, justOver.build());
    ASSERT_TRUE(QFile::link(small, link));
    for (const QString &path : {small, large, link}) {
        SCOPED_TRACE(qPrintable(path));
        const DocumentRead read = readDocument(path, PdfReading::Read, KnownFileType::RegularFile);
        ASSERT_TRUE(read.properties.has_value());
        EXPECT_EQ(read.properties->text(2), u"Rapport d'été"_s);
    }
#endif
}

TEST(OleProperties, ReadsASmallDocumentAtOnceAndOfALargeOneOnlyTheSectorsOnItsWay)
{
    CompoundFileWriter large;
    large.setLeadingFreeSectors(14000);
    large.addStream(u"WordDocument"_s, QByteArray(2000000, 'w'));
    large.addStream(kSummaryName, typicalSet().build());
    CompoundFileWriter justOver;
    justOver.addStream(u"WordDocument"_s, QByteArray(64 * 1024, 'w'));
    justOver.addStream(kSummaryName, typicalSet().build());
    struct Case
    {
        const char *name;
        QByteArray bytes;
        int maxReads;
        qint64 maxBytes;
    };
    const QByteArray small = summaryDocument(typicalSet().build(), 12);
    const Case cases[] = {
        {"small, 4096-byte sectors", small, 1, small.size()},
        {"just over 64 KB", justOver.build(), 5, 72 * 1024},
        {"2 MB, FAT beyond the header's list", large.build(), 5, 80 * 1024},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CountingSource source(c.bytes);
        const auto file = readDocument(source).properties;
        ASSERT_TRUE(file.has_value());
        EXPECT_EQ(file->text(2), u"Rapport d'été"_s);
        EXPECT_LE(source.reads, c.maxReads);
        EXPECT_LE(source.bytesRead, c.maxBytes) << "of " << c.bytes.size();
    }
}
