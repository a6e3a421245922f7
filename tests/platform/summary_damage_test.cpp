#include "listing/summary_values.h"
#include "platform/byte_source.h"
#include "platform/document_reader.h"
#include "platform/local_time.h"
#include "support/compound_file_writer.h"
#include "support/counting_source.h"

#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kSummaryName = u"\u0005SummaryInformation"_s;

QByteArray summaryStream(qint64 minimumSize)
{
    PropertySetWriter set;
    set.addCodePage(1252);
    set.addLpstr(2, "Titre");
    set.addLpstr(4, "Auteur");
    set.addI4(14, 3);
    return set.build(minimumSize);
}

// Reads every value the grid can show; the point is that nothing crashes or hangs.
void readEverything(const std::optional<DocumentProperties> &file)
{
    if (!file)
        return;
    const LocalTime localTime;
    for (int id = 0; id < 40; ++id)
        (void)summaryCell(*file, id, localTime);
}

quint32 u32At(const QByteArray &bytes, qint64 offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

enum class Outcome { Refused, TitleRead, TitleMissing };

} // namespace

TEST(SummaryDamage, BrokenStructuresNeitherCrashNorHang)
{
    using Layout = const CompoundFileLayout &;
    struct Case
    {
        const char *name;
        qint64 streamSize;
        quint32 leadingFree;
        Outcome outcome;
        std::function<void(QByteArray &, Layout)> damage;
    };
    const auto summaryStart = [](Layout l) { return l.streamStart.value(kSummaryName); };
    const auto stream = [&](Layout l) { return l.sectorOffset(summaryStart(l)); };
    const auto titleValue = [&](const QByteArray &b, Layout l) {
        // Section at 48; its table at 56 holds (identifier, offset) pairs; the title is the second one.
        return stream(l) + 48 + u32At(b, stream(l) + 56 + 12);
    };
    const auto summaryEntry = [](Layout l) { return l.entryOffset.value(kSummaryName); };
    using O = Outcome;
    const Case cases[] = {
        {"summary chain loops back to its start", 6000, 0, O::TitleRead,
         [&](QByteArray &b, Layout l) {
             patchU32(b, l.fatEntryOffset(summaryStart(l) + 1), summaryStart(l));
         }},
        {"directory chain points to itself", 0, 0, O::TitleRead,
         [](QByteArray &b, Layout l) { patchU32(b, l.fatEntryOffset(l.directoryStart), l.directoryStart); }},
        {"mini FAT entry points to itself", 0, 0, O::Refused,
         [&](QByteArray &b, Layout l) {
             patchU32(b, l.sectorOffset(l.miniFatStart) + 4 * summaryStart(l), summaryStart(l));
         }},
        {"summary starts far beyond the file", 6000, 0, O::Refused,
         [&](QByteArray &b, Layout l) { patchU32(b, summaryEntry(l) + 0x74, 0x00FFFFF0); }},
        {"summary size 4 GB", 6000, 0, O::TitleRead,
         [&](QByteArray &b, Layout l) { patchU32(b, summaryEntry(l) + 0x78, 0xFFFFFFFF); }},
        {"FAT sector count 2^32 - 1", 6000, 0, O::TitleRead,
         [](QByteArray &b, Layout) { patchU32(b, 0x2C, 0xFFFFFFFF); }},
        {"DIFAT entry beyond the file", 6000, 14000, O::TitleRead,
         [&](QByteArray &b, Layout l) {
             patchU32(b, l.sectorOffset(l.difatSectors[0]) + 4 * (summaryStart(l) / 128 - 109), 0x7FFFFFF0);
         }},
        {"DIFAT chain points to itself", 6000, 14000, O::TitleRead,
         [](QByteArray &b, Layout l) {
             patchU32(b, l.sectorOffset(l.difatSectors[0]) + 508, l.difatSectors[0]);
             patchU32(b, 0x2C, 0xFFFFFFFF);
         }},
        {"root entry is a stream", 0, 0, O::Refused,
         [](QByteArray &b, Layout l) { b[l.entryOffset.value(QString()) + 0x42] = 2; }},
        {"file cut in the middle", 6000, 0, O::Refused,
         [](QByteArray &b, Layout) { b.truncate(b.size() / 2); }},
        {"property count 2^31", 6000, 0, O::Refused,
         [&](QByteArray &b, Layout l) { patchU32(b, stream(l) + 52, 0x80000000); }},
        {"section offset past the stream", 6000, 0, O::Refused,
         [&](QByteArray &b, Layout l) { patchU32(b, stream(l) + 44, 6000 + 4096); }},
        {"title length 2^31", 6000, 0, O::TitleMissing,
         [&](QByteArray &b, Layout l) { patchU32(b, titleValue(b, l) + 4, 0x80000000); }},
        {"title runs past the section", 6000, 0, O::TitleMissing,
         [&](QByteArray &b, Layout l) { patchU32(b, titleValue(b, l) + 4, 6000); }},
        {"title offset 2^32 - 1", 6000, 0, O::TitleMissing,
         [&](QByteArray &b, Layout l) { patchU32(b, stream(l) + 56 + 12, 0xFFFFFFFF); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CompoundFileWriter writer;
        writer.setLeadingFreeSectors(c.leadingFree);
        writer.addStream(u"WordDocument"_s, QByteArray(700, 'w'));
        writer.addStream(kSummaryName, summaryStream(c.streamSize));
        CompoundFileLayout layout;
        QByteArray bytes = writer.build(&layout);
        c.damage(bytes, layout);
        const auto file = readDocumentBytes(bytes).properties;
        readEverything(file);
        switch (c.outcome) {
        case Outcome::Refused:
            EXPECT_FALSE(file.has_value());
            break;
        case Outcome::TitleRead:
            ASSERT_TRUE(file.has_value());
            EXPECT_EQ(file->text(2), u"Titre"_s);
            break;
        case Outcome::TitleMissing:
            ASSERT_TRUE(file.has_value());
            EXPECT_EQ(file->text(2), std::nullopt);
            EXPECT_EQ(file->number(14), 3);
            break;
        }
    }
}

TEST(SummaryDamage, SprawlingStructuresCostAtMostOneReadPerSector)
{
    const QByteArray bytes = sprawlingDocument(summaryStream(0));
    CountingSource source(bytes);
    const auto file = readDocument(source).properties;
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->text(2), u"Titre"_s);
    EXPECT_LE(source.reads, bytes.size() / 512);
}

TEST(SummaryDamage, EveryDamagedByteOfASmallDocumentIsSurvived)
{
    for (const qint64 streamSize : {qint64(0), qint64(5000)}) {
        const QByteArray good = summaryDocument(summaryStream(streamSize));
        for (qint64 offset = 0; offset < good.size(); offset += 3) {
            for (const char value : {'\x00', '\xFF', '\x7F'}) {
                QByteArray bytes = good;
                bytes[offset] = value;
                readEverything(readDocumentBytes(bytes).properties);
            }
        }
        for (qint64 length = 0; length < good.size(); length += 61)
            readEverything(readDocumentBytes(good.left(length)).properties);
    }
}
