#include "platform/windows1252.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Windows1252, RoundTripsEveryAssignedByte)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = fromWindows1252(all);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
    EXPECT_EQ(text.at(0xE9), QChar(0xE9));
    EXPECT_EQ(toWindows1252WithReferences(text), all);
}

TEST(Windows1252, CharactersOutsideBecomeDecimalReferences)
{
    EXPECT_EQ(toWindows1252WithReferences(u"Ж é 😀 €"_s), QByteArray("&#1046; \xE9 &#128512; \x80"));
    // A surrogate without its other half, as a damaged UTF-16 value can hold, is the replacement character.
    const char16_t lone[] = {u'a', 0xDC00, u'b', 0xD83D};
    QByteArray bytes("<");
    appendWindows1252WithReferences(bytes, QStringView(lone, 4));
    EXPECT_EQ(bytes, QByteArray("<a&#65533;b&#65533;"));
}

TEST(Windows1252, Utf8Validity)
{
    EXPECT_TRUE(isValidUtf8("plain"));
    EXPECT_TRUE(isValidUtf8("caf\xC3\xA9"));
    EXPECT_FALSE(isValidUtf8("caf\xE9"));
}
