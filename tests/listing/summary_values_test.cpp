#include "listing/summary_values.h"
#include "platform/document_reader.h"
#include "platform/local_time.h"
#include "support/compound_file_writer.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 kMinute = 600000000;

// Sets the process's time zone for the life of the object, then restores the one before.
class ZoneForTest
{
public:
    explicit ZoneForTest(const char *zone)
        : m_before(qgetenv("TZ"))
        , m_hadZone(qEnvironmentVariableIsSet("TZ"))
    {
        qputenv("TZ", zone);
    }
    ~ZoneForTest()
    {
        if (m_hadZone)
            qputenv("TZ", m_before);
        else
            qunsetenv("TZ");
        const LocalTime restored; // reads the zone again
    }

private:
    QByteArray m_before;
    bool m_hadZone;
};

QDateTime utc(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

} // namespace

TEST(SummaryValues, TextCells)
{
    struct Case
    {
        const char *name;
        std::optional<QString> value;
        QString text;
        QString application;
    };
    const Case cases[] = {
        {"missing", std::nullopt, QString(), QString()},
        {"Word", u"Microsoft Word 8.0"_s, u"Microsoft Word 8.0"_s, u"Word 8.0"_s},
        {"Excel", u"Microsoft Excel"_s, u"Microsoft Excel"_s, u"Excel"_s},
        {"prefix alone", u"Microsoft "_s, u"Microsoft "_s, u"Microsoft "_s},
        {"no blank", u"Microsoft"_s, u"Microsoft"_s, u"Microsoft"_s},
        {"other case", u"MICROSOFT Word"_s, u"MICROSOFT Word"_s, u"MICROSOFT Word"_s},
        {"text after a NUL", QString::fromUtf16(u"Microsoft Excel\0junk", 20), u"Microsoft Excel"_s,
         u"Excel"_s},
        {"tab, CR LF, LF", u"a\tb\r\nc\nd"_s, u"a b  c d"_s, u"a b  c d"_s},
        {"prefix then a tab", u"Microsoft \tWord"_s, u"Microsoft  Word"_s, u" Word"_s},
        {"long", QString(300, u'x'), QString(300, u'x'), QString(300, u'x')},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(textCell(c.value), c.text);
        EXPECT_EQ(applicationCell(c.value), c.application);
    }
}

TEST(SummaryValues, NumberAndDurationCells)
{
    EXPECT_EQ(numberCell(std::nullopt), u"0"_s);
    EXPECT_EQ(numberCell(0), u"0"_s);
    EXPECT_EQ(numberCell(-1), u"-1"_s);
    EXPECT_EQ(numberCell(2147483647), u"2147483647"_s);

    struct Case
    {
        std::optional<qint64> minutes;
        QString text;
    };
    const Case durations[] = {
        {std::nullopt, QString()},
        {-1, QString()},
        {0, u"0 j 00 h 00 min"_s},
        {65, u"0 j 01 h 05 min"_s},
        {2 * 1440 + 13 * 60 + 40, u"2 j 13 h 40 min"_s},
        {45 * 1440 + 23 * 60 + 59, u"45 j 23 h 59 min"_s},
        {400LL * 1440, u"400 j 00 h 00 min"_s},
    };
    for (const Case &c : durations) {
        SCOPED_TRACE(qPrintable(c.text));
        EXPECT_EQ(durationCell(c.minutes), c.text);
    }
}

TEST(SummaryValues, DateCellsInstantsInLocalTimeWallClocksAsWritten)
{
    struct Case
    {
        const char *zone;
        std::optional<DocumentDate> date;
        QString text;
    };
    const Case cases[] = {
        {"UTC", std::nullopt, QString()},
        {"UTC", DocumentDate{utc(2000, 5, 9, 7, 3, 59)}, u"2000/05/09 07:03"_s},
        {"UTC", DocumentDate{utc(1601, 1, 1, 0, 3, 23)}, u"1601/01/01 00:03"_s},
        {"UTC", DocumentDate{utc(2099, 12, 31, 23, 59, 59)}, u"2099/12/31 23:59"_s},
        {"Europe/Paris", DocumentDate{utc(2000, 5, 9, 5, 3)}, u"2000/05/09 07:03"_s},
        {"Europe/Paris", DocumentDate{utc(2000, 1, 9, 23, 30)}, u"2000/01/10 00:30"_s},
        {"Asia/Tokyo", DocumentDate{utc(1999, 12, 31, 15, 0)}, u"2000/01/01 00:00"_s},
        {"Asia/Tokyo", DocumentDate{utc(2017, 11, 30, 23, 0), true}, u"2017/11/30 23:00"_s},
        {"Europe/Paris", DocumentDate{QDateTime()}, QString()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.zone + (c.date ? c.date->time.toString(Qt::ISODate) : u" none"_s).toStdString());
        const ZoneForTest zone(c.zone);
        const LocalTime localTime;
        EXPECT_EQ(dateCell(c.date, localTime), c.text);
    }
}

TEST(SummaryValues, CellsOfADocumentByIdentifier)
{
    PropertySetWriter set;
    set.addCodePage(1252);
    set.addLpstr(2, "Bilan\tannuel");
    set.addLpstr(18, "Microsoft Excel");
    set.addI4(14, 0);
    set.addI4(19, 2);
    set.addFileTime(10, 65 * kMinute);
    set.addFileTime(11, 0);
    set.addFileTime(12, fileTimeOf(QDateTime(QDate(2000, 5, 9), QTime(7, 3), Qt::LocalTime)));
    const auto file = readDocumentBytes(summaryDocument(set.build())).properties;
    ASSERT_TRUE(file.has_value());
    const LocalTime localTime;

    const QList<QPair<int, QString>> expected = {
        {2, u"Bilan annuel"_s},
        {3, QString()},
        {18, u"Excel"_s},
        {14, u"0"_s},
        {15, u"0"_s},
        {19, u"2"_s},
        {10, u"0 j 01 h 05 min"_s},
        {11, QString()},
        {12, u"2000/05/09 07:03"_s},
        {13, QString()},
        {1, QString()},
        {17, QString()},
    };
    for (const auto &[id, text] : expected) {
        SCOPED_TRACE(id);
        EXPECT_EQ(summaryCell(*file, id, localTime), text);
    }
    EXPECT_EQ(shortNameCell(u"/tmp/Rapport annuel 2000.doc"_s), QString());
}
