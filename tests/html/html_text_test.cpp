#include "html/html_text.h"

#include <gtest/gtest.h>

TEST(HtmlText, NumbersFollowTheLocale)
{
    const QLocale french(QLocale::French, QLocale::France);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const struct
    {
        const char *text;
        bool inFrench;
        bool inEnglish;
    } cases[] = {
        {"12", true, true},           {" -7 ", true, true},
        {"3,5", true, false},         {"3.5", false, true},
        {"1e3", true, true},          {"+2", true, true},
        {"05/12/2026", false, false}, {"0 j 00 h 00 min", false, false},
        {"inf", false, false},        {"nan", false, false},
        {"0x1F", false, false},       {"", false, false},
        {"12 pages", false, false},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(readsAsNumber(QString::fromUtf8(row.text), french), row.inFrench);
        EXPECT_EQ(readsAsNumber(QString::fromUtf8(row.text), english), row.inEnglish);
    }
}

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
