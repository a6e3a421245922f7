#include "listing/summary_values.h"
#include "platform/summary_file.h"
#include "support/compound_file_writer.h"

#include <gtest/gtest.h>

namespace {

quint64 fileTimeOf(const QDateTime &when)
{
    return quint64(when.toMSecsSinceEpoch() + 11644473600000LL) * 10000;
}

constexpr qint64 kMinute = 600000000;

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
        {"Word", QStringLiteral("Microsoft Word 8.0"), QStringLiteral("Microsoft Word 8.0"),
         QStringLiteral("Word 8.0")},
        {"Excel", QStringLiteral("Microsoft Excel"), QStringLiteral("Microsoft Excel"),
         QStringLiteral("Excel")},
        {"prefix alone", QStringLiteral("Microsoft "), QStringLiteral("Microsoft "),
         QStringLiteral("Microsoft ")},
        {"no blank", QStringLiteral("Microsoft"), QStringLiteral("Microsoft"), QStringLiteral("Microsoft")},
        {"other case", QStringLiteral("MICROSOFT Word"), QStringLiteral("MICROSOFT Word"),
         QStringLiteral("MICROSOFT Word")},
        {"text after a NUL", QString::fromUtf16(u"Microsoft Excel\0junk", 20),
         QStringLiteral("Microsoft Excel"), QStringLiteral("Excel")},
        {"tab, CR LF, LF", QStringLiteral("a\tb\r\nc\nd"), QStringLiteral("a b  c d"),
         QStringLiteral("a b  c d")},
        {"prefix then a tab", QStringLiteral("Microsoft \tWord"), QStringLiteral("Microsoft  Word"),
         QStringLiteral(" Word")},
        {"long", QString(300, u'x'), QString(300, u'x'), QString(300, u'x')},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(textCell(c.value), c.text);
        EXPECT_EQ(applicationCell(c.value), c.application);
    }
}

TEST(SummaryValues, NumberDateAndDurationCells)
{
    EXPECT_EQ(numberCell(std::nullopt), QStringLiteral("0"));
    EXPECT_EQ(numberCell(0), QStringLiteral("0"));
    EXPECT_EQ(numberCell(-1), QStringLiteral("-1"));
    EXPECT_EQ(numberCell(2147483647), QStringLiteral("2147483647"));

    EXPECT_EQ(dateCell(std::nullopt), QString());
    EXPECT_EQ(dateCell(QDateTime(QDate(2000, 5, 9), QTime(7, 3, 59))), QStringLiteral("2000/05/09 07:03"));
    EXPECT_EQ(dateCell(QDateTime(QDate(1601, 1, 1), QTime(0, 3, 23), Qt::UTC)),
              QStringLiteral("1601/01/01 00:03"));
    EXPECT_EQ(dateCell(QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59))),
              QStringLiteral("2099/12/31 23:59"));

    struct Case
    {
        std::optional<qint64> units;
        QString text;
    };
    const Case durations[] = {
        {std::nullopt, QString()},
        {0, QStringLiteral("0 j 00 h 00 min")},
        {65 * kMinute, QStringLiteral("0 j 01 h 05 min")},
        {65 * kMinute + kMinute - 1, QStringLiteral("0 j 01 h 05 min")},
        {(2 * 1440 + 13 * 60 + 40) * kMinute, QStringLiteral("2 j 13 h 40 min")},
        {(45 * 1440 + 23 * 60 + 59) * kMinute, QStringLiteral("45 j 23 h 59 min")},
        {400LL * 1440 * kMinute, QStringLiteral("400 j 00 h 00 min")},
    };
    for (const Case &c : durations) {
        SCOPED_TRACE(qPrintable(c.text));
        EXPECT_EQ(durationCell(c.units), c.text);
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
    const auto file = SummaryFile::parse(summaryDocument(set.build()));
    ASSERT_TRUE(file.has_value());

    const QList<QPair<int, QString>> expected = {
        {2, QStringLiteral("Bilan annuel")},
        {3, QString()},
        {18, QStringLiteral("Excel")},
        {14, QStringLiteral("0")},
        {15, QStringLiteral("0")},
        {19, QStringLiteral("2")},
        {10, QStringLiteral("0 j 01 h 05 min")},
        {11, QString()},
        {12, QStringLiteral("2000/05/09 07:03")},
        {13, QString()},
        {1, QString()},
        {17, QString()},
    };
    for (const auto &[id, text] : expected) {
        SCOPED_TRACE(id);
        EXPECT_EQ(summaryCell(*file, id), text);
    }
    EXPECT_EQ(shortNameCell(QStringLiteral("/tmp/Rapport annuel 2000.doc")), QString());
}
