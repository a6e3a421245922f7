#include "platform/system_names.h"

#include <gtest/gtest.h>

TEST(SystemNames, WindowsVersionTable)
{
    struct Case
    {
        int platform, major, minor;
        const char *expected;
    };
    const Case cases[] = {
        {1, 4, 0, "Windows 95"},
        {1, 4, 10, "Windows 98"},
        {1, 4, 90, ""},
        {2, 3, 51, "Windows NT 3.51"},
        {2, 4, 0, "Windows NT 4.0"},
        {2, 5, 0, ""},
        {2, 10, 0, ""},
        {0, 3, 0, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.platform << "." << c.major << "." << c.minor);
        EXPECT_EQ(windowsVersionName(c.platform, c.major, c.minor), QString::fromLatin1(c.expected));
    }
}

TEST(SystemNames, CleanDropsBlanksAndOneTrailingNul)
{
    EXPECT_EQ(cleanSystemName(QStringLiteral("  OFFICE7 ")), QStringLiteral("OFFICE7"));
    EXPECT_EQ(cleanSystemName(QStringLiteral("OFFICE7") + QChar(0)), QStringLiteral("OFFICE7"));
    EXPECT_EQ(cleanSystemName(QString(QChar(0))), QString(QChar(0)));
    EXPECT_EQ(cleanSystemName(QString()), QString());
}
