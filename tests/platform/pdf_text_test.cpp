#include "platform/pdf_text.h"
#include "platform/xmp_properties.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(PdfText, DecodesEachEncodingExactly)
{
    struct Case
    {
        const char *name;
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {"PDFDocEncoding signs", "\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8D\x8E\x8F",
         u"•†‡…—–ƒ⁄‹›−‰„“”‘"_s},
        {"PDFDocEncoding letters", "\x90\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9D\x9E\xA0",
         u"’‚™ﬁﬂŁŒŠŸŽıłœšž€"_s},
        {"PDFDocEncoding accents and Latin-1", "\x18\x19\x1A\x1B\x1C\x1D\x1E\x1F caf\xE9 \xFF",
         u"˘ˇˆ˙˝˛˚˜ café ÿ"_s},
        {"PDFDocEncoding undefined codes", "a\x9F\xAD", u"a\uFFFD\uFFFD"_s},
        {"UTF-16BE with an emoji", QByteArray("\xFE\xFF\x00\x41\xD8\x3D\xDE\x00\x20\xAC", 10), u"A😀€"_s},
        {"UTF-16BE language mark", QByteArray("\xFE\xFF\x00\x1B\x00\x66\x00\x72\x00\x1B\x00\xE9", 12),
         u"é"_s},
        {"UTF-16BE lone surrogate", QByteArray("\xFE\xFF\xD8\x3D\x00\x41", 6), u"\uFFFDA"_s},
        {"UTF-8 with its mark", "\xEF\xBB\xBFR\xC3\xA9sum\xC3\xA9 \xF0\x9F\x93\x84", u"Résumé 📄"_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(decodePdfText(c.bytes), c.text);
    }
}

// PDF dates (D:YYYYMMDDHHmmSS with an offset whose apostrophes may be missing) and XMP dates (ISO 8601).
TEST(PdfText, PdfAndXmpDatesBecomeUtcInstants)
{
    const auto utc = [](int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
        return std::optional(QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC));
    };
    struct Case
    {
        const char *text;
        std::optional<QDateTime> instant;
        bool xmp = false;
    };
    const Case cases[] = {
        {"D:20230615143000+02'00'", utc(2023, 6, 15, 12, 30)},
        {"D:20230616003000-05'00", utc(2023, 6, 16, 5, 30)},
        {"D:20230616003000-0530", utc(2023, 6, 16, 6, 0)},
        {"D:20161231235959Z", utc(2016, 12, 31, 23, 59, 59)},
        {"D:20161231235959Z07'46'", utc(2016, 12, 31, 23, 59, 59)},
        {"D:20100101000000", utc(2010, 1, 1)},
        {"D:2019", utc(2019, 1, 1)},
        {"D:201902", utc(2019, 2, 1)},
        {"D:1990042722", utc(1990, 4, 27, 22)},
        {"20050718113045+01'00'", utc(2005, 7, 18, 10, 30, 45)},
        {"D:20000101000000+01'00'", utc(1999, 12, 31, 23)},
        {"D:20230231120000Z", std::nullopt},
        {"D:20231301", std::nullopt},
        {"D:202", std::nullopt},
        {"", std::nullopt},
        {"lundi", std::nullopt},
        {"2005-07-18T11:30:45-07:00", utc(2005, 7, 18, 18, 30, 45), true},
        {"2024-02-29T23:59:59.999Z", utc(2024, 2, 29, 23, 59, 59), true},
        {" 2019-11-05T07:00:00 ", utc(2019, 11, 5, 7), true},
        {"2019-11-05T07:00+0100", utc(2019, 11, 5, 6), true},
        {"2019-11", utc(2019, 11, 1), true},
        {"2019", utc(2019, 1, 1), true},
        {"2019-02-30", std::nullopt, true},
        {"2019-11-05T25:00:00Z", std::nullopt, true},
        {"2019-11-05T07:00:00+24:00", std::nullopt, true},
        {"05/11/2019", std::nullopt, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const QString text = QString::fromLatin1(c.text);
        EXPECT_EQ(c.xmp ? parseXmpDate(text) : parsePdfDate(text), c.instant);
    }
}
