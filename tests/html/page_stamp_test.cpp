#include "html/page_stamp.h"

#include <gtest/gtest.h>

TEST(PageStamp, DateAndTimeInWords)
{
    const struct
    {
        QDate date;
        qint16 language;
        const char *expected;
    } dates[] = {
        {QDate(2026, 12, 5), 1, "5 décembre 2026"},
        {QDate(2026, 8, 15), 1, "15 août 2026"},
        {QDate(2027, 3, 1), 0, "March 1, 2027"},
        {QDate(2027, 2, 28), 2, "February 28, 2027"},
    };
    for (const auto &row : dates) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(DateDuJour(row.date, row.language), QString::fromUtf8(row.expected));
    }
    EXPECT_EQ(HeureDuJour(QTime(0, 1, 59)), QStringLiteral("00 h 01"));
    EXPECT_EQ(HeureDuJour(QTime(9, 5)), QStringLiteral("09 h 05"));
    EXPECT_EQ(HeureDuJour(QTime(13, 7)), QStringLiteral("13 h 07"));

    // One reading of the clock gives both halves, so a page made at 23:59:59.9 does not mix two days.
    int readings = 0;
    const PageStamp stamp = makePageStamp(
        [&readings] {
            ++readings;
            return QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59));
        },
        1);
    EXPECT_EQ(readings, 1);
    EXPECT_EQ(stamp.date, QStringLiteral("31 décembre 2026"));
    EXPECT_EQ(stamp.time, QStringLiteral("23 h 59"));
}

TEST(PageStamp, PlaceholdersReplacedInOrder)
{
    const PageStamp stamp{QStringLiteral("5 décembre 2026"), QStringLiteral("14 h 05")};
    const StartupValues startup{QStringLiteral("POSTE-7"), QStringLiteral("marie %Computer"), QString()};
    const struct
    {
        const char *text;
        const char *expected;
    } cases[] = {
        {"", ""},
        {"Pas de variable", "Pas de variable"},
        {"%DATE et %Date", "%DATE et 5 décembre 2026"},
        {"%date%time", "5 décembre 202614 h 05"},
        {"%Dates", "5 décembre 2026s"},
        {"sur %Version ici", "sur  ici"},
        {"par %user", "par marie POSTE-7"}, // a value seen by the later steps
        {"%computer/%Time/%version.", "POSTE-7/14 h 05/."},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(RemplacerVariables(QString::fromUtf8(row.text), stamp, startup),
                  QString::fromUtf8(row.expected));
    }
}
