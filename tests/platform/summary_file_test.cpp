#include "platform/byte_source.h"
#include "platform/summary_file.h"
#include "support/compound_file_writer.h"
#include "support/test_files.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

const QString kSummaryName = QStringLiteral("\u0005SummaryInformation");

quint64 fileTimeOf(const QDateTime &when)
{
    return quint64(when.toMSecsSinceEpoch() + 11644473600000LL) * 10000;
}

PropertySetWriter typicalSet()
{
    PropertySetWriter set;
    set.addCodePage(1252);
    set.addLpstr(2, "Rapport d'\xE9t\xE9");
    set.addLpwstr(4, QStringLiteral("Ζωή Ωμέγα"));
    set.addI4(14, 12);
    set.addI2(15, -3);
    set.addFileTime(10, 39000000000ULL);
    set.addFileTime(11, 0);
    set.addFileTime(12, fileTimeOf(QDateTime(QDate(2000, 5, 9), QTime(7, 3, 30), Qt::UTC)));
    set.addI4(16, 7);
    set.addLpstr(18, "Microsoft Word 8.0");
    return set;
}

} // namespace

TEST(SummaryFile, ReadsValuesFromEveryLayout)
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
        writer.addStream(QStringLiteral("WordDocument"), QByteArray(700, 'w'));
        writer.addStream(kSummaryName, typicalSet().build(c.streamSize));
        writer.addStream(QStringLiteral("Data"), QByteArray(4500, 'd'));
        CompoundFileLayout layout;
        const QByteArray bytes = writer.build(&layout);
        if (c.leadingFree) {
            EXPECT_FALSE(layout.difatSectors.isEmpty());
        }
        const QString path = dir.filePath(QString::fromLatin1(c.name) + QStringLiteral(".doc"));
        writeFile(path, bytes);

        for (const auto &file : {SummaryFile::parse(bytes), SummaryFile::open(path)}) {
            ASSERT_TRUE(file.has_value());
            EXPECT_EQ(file->text(2), QStringLiteral("Rapport d'été"));
            EXPECT_EQ(file->text(4), QStringLiteral("Ζωή Ωμέγα"));
            EXPECT_EQ(file->text(18), QStringLiteral("Microsoft Word 8.0"));
            EXPECT_EQ(file->text(3), std::nullopt);
            EXPECT_EQ(file->text(14), std::nullopt) << "a number is not a text";
            EXPECT_EQ(file->number(14), 12);
            EXPECT_EQ(file->number(15), -3);
            EXPECT_EQ(file->number(19), std::nullopt);
            EXPECT_EQ(file->duration(10), 39000000000LL);
            EXPECT_EQ(file->date(11), std::nullopt) << "a zero FILETIME is no date";
            EXPECT_EQ(file->duration(11), 0) << "but a zero duration is one";
            ASSERT_TRUE(file->date(12).has_value());
            EXPECT_EQ(file->date(12)->toUTC(), QDateTime(QDate(2000, 5, 9), QTime(7, 3, 30), Qt::UTC));
            EXPECT_EQ(file->date(12)->timeSpec(), Qt::LocalTime);
            EXPECT_EQ(file->date(13), std::nullopt);
        }
    }
}

TEST(SummaryFile, DecodesTextsInTheSetsCodePage)
{
    struct Case
    {
        const char *name;
        std::optional<quint16> codePage;
        QByteArray bytes;
        QString expected;
    };
    const Case cases[] = {
        {"no code page", std::nullopt, "\x80 \xE9t\xE9", QStringLiteral("€ été")},
        {"Windows-1252", 1252, "\x9C\x75vre", QStringLiteral("œuvre")},
        {"UTF-8 (65001, stored as -535)", 65001, "\xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x98\x80",
         QStringLiteral("中文 😀")},
        {"Windows-1250", 1250, "\x9A\x9D\x9E", QStringLiteral("šťž")},
        {"Windows-1251", 1251, "\xC8\xE2\xE0\xED", QStringLiteral("Иван")},
        {"Shift-JIS (932)", 932, "\x93\xFA\x96\x7B", QStringLiteral("日本")},
        {"Mac Roman (10000)", 10000, "Caf\x8E", QStringLiteral("Café")},
        {"unknown code page", 12345, "\xE9", QStringLiteral("é")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PropertySetWriter set;
        if (c.codePage)
            set.addCodePage(*c.codePage);
        set.addLpstr(2, c.bytes);
        const auto file = SummaryFile::parse(summaryDocument(set.build()));
        ASSERT_TRUE(file.has_value());
        EXPECT_EQ(file->text(2), c.expected);
        EXPECT_EQ(file->codePage(), c.codePage.value_or(1252));
    }

    PropertySetWriter unicode;
    unicode.addCodePage(1200);
    unicode.addLpstrUtf16(2, QStringLiteral("Ελληνικά, 中文, é"));
    const auto file = SummaryFile::parse(summaryDocument(unicode.build()));
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->text(2), QStringLiteral("Ελληνικά, 中文, é"));
}

TEST(SummaryFile, OpensOnlyARootSummaryStream)
{
    PropertySetWriter set;
    set.addLpstr(2, "Embedded");
    CompoundFileWriter embedded;
    embedded.addStream(QStringLiteral("WordDocument"), QByteArray(100, 'w'));
    const int pool = embedded.addStorage(QStringLiteral("ObjectPool"));
    const int object = embedded.addStorage(QStringLiteral("_1234"), pool);
    embedded.addStream(kSummaryName, set.build(), object);
    ReadStatus status = ReadStatus::Ok;
    EXPECT_FALSE(SummaryFile::parse(embedded.build(), &status).has_value());
    EXPECT_EQ(status, ReadStatus::NoSummary);

    // Among many siblings, found wherever the tree puts it, and found without regard to case.
    CompoundFileWriter many;
    for (int i = 0; i < 40; ++i)
        many.addStream(QStringLiteral("Stream%1").arg(i), QByteArray(10, 's'));
    many.addStream(QStringLiteral("\u0005SUMMARYINFORMATION"), set.build());
    for (int i = 40; i < 45; ++i)
        many.addStream(QStringLiteral("Stream%1").arg(i), QByteArray(10, 's'));
    const auto file = SummaryFile::parse(many.build());
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->text(2), QStringLiteral("Embedded"));
}

TEST(SummaryFile, RefusesWhatIsNotASummary)
{
    const QByteArray good = summaryDocument(typicalSet().build());
    QByteArray badVersion = good;
    badVersion[0x1A] = 5;
    QByteArray badShift = good;
    badShift[0x1E] = 10;
    PropertySetWriter empty;
    QByteArray noSection = empty.build();
    noSection[28] = 'x'; // another format identifier
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
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ReadStatus status = ReadStatus::Ok;
        EXPECT_FALSE(SummaryFile::parse(c.bytes, &status).has_value());
        EXPECT_EQ(status, c.status);
    }

    QTemporaryDir dir;
    QStringList unreadable = {QStringLiteral("/nonexistent/file.doc"), dir.path()};
#ifdef Q_OS_UNIX
    // A named pipe without a writer would block a plain open for ever.
    const QString pipe = dir.filePath(QStringLiteral("pipe.doc"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    unreadable.append(pipe);
#endif
    for (const QString &path : unreadable) {
        SCOPED_TRACE(qPrintable(path));
        ReadStatus status = ReadStatus::Ok;
        EXPECT_FALSE(SummaryFile::open(path, &status).has_value());
        EXPECT_EQ(status, ReadStatus::Unreadable);
    }
}

TEST(SummaryFile, ReadsOnlyTheSectorsOnItsWay)
{
    class CountingSource : public MemoryByteSource
    {
    public:
        using MemoryByteSource::MemoryByteSource;
        bool read(qint64 offset, qint64 length, char *out) override
        {
            bytesRead += length;
            return MemoryByteSource::read(offset, length, out);
        }
        qint64 bytesRead = 0;
    };
    CompoundFileWriter writer;
    writer.setLeadingFreeSectors(14000);
    writer.addStream(QStringLiteral("WordDocument"), QByteArray(2000000, 'w'));
    writer.addStream(kSummaryName, typicalSet().build());
    const QByteArray bytes = writer.build();
    CountingSource source(bytes);
    const auto file = SummaryFile::read(source);
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->text(2), QStringLiteral("Rapport d'été"));
    EXPECT_LT(source.bytesRead, 16 * 1024) << "of " << bytes.size();
}
