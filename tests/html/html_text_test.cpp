#include "html/html_text.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(HtmlText, ColoursLinksAndPaths)
{
    EXPECT_EQ(titleColourText(65535), u"FFFF00"_s);
    EXPECT_EQ(titleColourText(255), u"FF0000"_s);
    EXPECT_EQ(titleColourText(0), u"000000"_s);
    EXPECT_EQ(titleColourText(0x123456), u"563412"_s);
    EXPECT_EQ(escapeLink(u"a&b <c> \"d\" #1 ?x 100%"_s),
              u"a&amp;b &lt;c&gt; &quot;d&quot; %231 %3Fx 100%25"_s);
    EXPECT_EQ(escapeHtml(u"#1 ?x 100% 'q'"_s), u"#1 ?x 100% 'q'"_s);
    EXPECT_EQ(childPath(u"/"_s, u"a.doc"_s), u"/a.doc"_s);
    EXPECT_EQ(childPath(u"/srv/docs"_s, u"a.doc"_s), u"/srv/docs/a.doc"_s);
}
