#include "html/html_text.h"

#include <gtest/gtest.h>

TEST(HtmlText, ColoursLinksAndPaths)
{
    EXPECT_EQ(titleColourText(65535), QStringLiteral("FFFF00"));
    EXPECT_EQ(titleColourText(255), QStringLiteral("FF0000"));
    EXPECT_EQ(titleColourText(0), QStringLiteral("000000"));
    EXPECT_EQ(titleColourText(0x123456), QStringLiteral("563412"));
    EXPECT_EQ(escapeLink(QStringLiteral("a&b <c> \"d\" #1 ?x 100%")),
              QStringLiteral("a&amp;b &lt;c&gt; &quot;d&quot; %231 %3Fx 100%25"));
    EXPECT_EQ(escapeHtml(QStringLiteral("#1 ?x 100% 'q'")), QStringLiteral("#1 ?x 100% 'q'"));
    EXPECT_EQ(childPath(QStringLiteral("/"), QStringLiteral("a.doc")), QStringLiteral("/a.doc"));
    EXPECT_EQ(childPath(QStringLiteral("/srv/docs"), QStringLiteral("a.doc")),
              QStringLiteral("/srv/docs/a.doc"));
}
