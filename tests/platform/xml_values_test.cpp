#include "platform/xml_values.h"

#include <gtest/gtest.h>

TEST(XmlValues, DatesReadAsInstantsOrWallClock)
{
    struct Case
    {
        const char16_t *text;
        const char *utc; // ISO form of the stored time; nullptr: missing
        bool isWallClock;
    };
    const Case cases[] = {
        {u"2023-03-26T01:30:00+01:00", "2023-03-26T00:30:00.000Z", false},
        {u"2022-12-31T23:00:00-01:00", "2023-01-01T00:00:00.000Z", false}, // the offset changes the year
        {u" 2017-01-24T12:42:22.8702135Z\n", "2017-01-24T12:42:22.870Z", false},
        {u"2038-01-19T03:14:08Z", "2038-01-19T03:14:08.000Z", false},
        {u"2011-02-03T04:05:06", "2011-02-03T04:05:06.000Z", true},
        {u"1999-12-31T24:00:00", "2000-01-01T00:00:00.000Z", true},
        {u"2024-02-29T12:00Z", "2024-02-29T12:00:00.000Z", false},
        {u"2019", "2019-01-01T00:00:00.000Z", true},
        {u"2019-05-06", "2019-05-06T00:00:00.000Z", true},
        {u"2023-02-29T00:00:00Z", nullptr, false},
        {u"2023-01-01T24:00:01Z", nullptr, false},
        {u"2023-01-01T10:00:00+25:00", nullptr, false},
        {u"2023-01-01T10:00:00.Z", nullptr, false},
        {u"2023-01-01 10:00:00Z", nullptr, false},
        {u"99999999999999999999-01-01", nullptr, false},
        {u"", nullptr, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
        const auto date = parseXmlDate(QStringView(c.text));
        ASSERT_EQ(date.has_value(), c.utc != nullptr);
        if (!date)
            continue;
        EXPECT_EQ(date->time.toUTC().toString(Qt::ISODateWithMs).toStdString(), c.utc);
        EXPECT_EQ(date->isWallClock, c.isWallClock);
    }
}

TEST(XmlValues, DurationsGiveWholeMinutes)
{
    const std::pair<const char16_t *, std::optional<qint64>> cases[] = {
        {u"PT5H30M15S", 330},
        {u"P3DT4H5M6S", 273906 / 60},
        {u"P45DT13H40M", 45 * 1440 + 13 * 60 + 40},
        {u"PT59.9S", 0},
        {u"PT0S", 0},
        {u"P0Y0M1D", 1440},
        {u"PT1000000000000H", 60'000'000'000'000},
        {u"P1M", std::nullopt},
        {u"P2Y", std::nullopt},
        {u"-PT5M", std::nullopt},
        {u"P", std::nullopt},
        {u"PT", std::nullopt},
        {u"P1DT", std::nullopt},
        {u"PT5M3H", std::nullopt},
        {u"PT1.5M", std::nullopt},
        {u"P99999999999999999D", std::nullopt},
        {u"5 minutes", std::nullopt},
    };
    for (const auto &[text, minutes] : cases) {
        SCOPED_TRACE(QString::fromUtf16(text).toStdString());
        EXPECT_EQ(parseXmlDurationMinutes(QStringView(text)), minutes);
    }
}

TEST(XmlValues, IntegersHoldSixtyFourBits)
{
    EXPECT_EQ(parseXmlInteger(u" 1051200 "), 1051200);
    EXPECT_EQ(parseXmlInteger(u"9223372036854775807"), std::numeric_limits<qint64>::max());
    EXPECT_EQ(parseXmlInteger(u"-4"), -4);
    EXPECT_EQ(parseXmlInteger(u"9223372036854775808"), std::nullopt);
    EXPECT_EQ(parseXmlInteger(u"12 pages"), std::nullopt);
    EXPECT_EQ(parseXmlInteger(u""), std::nullopt);
}
