#include "common/product_links.h"
#include "support/recording_platform.h"
#include "ui/about_dialog.h"

#include <QLabel>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(AboutDialog, ShowsItsTextsAndOpensBothLinksThroughTheShell)
{
    for (const qint16 language : {qint16(1), qint16(0)}) {
        SCOPED_TRACE(language);
        RecordingShell shell;
        AboutDialog dialog(language, shell);
        const QString credit = dialog.findChild<QLabel *>(u"lblCredit"_s)->text();
        EXPECT_EQ(dialog.windowTitle(), language == 1 ? u"A propos de..."_s : u"About..."_s);
        EXPECT_EQ(credit, (language == 1 ? u"Fichoramas HTML de documents Office"_s
                                         : u"HTML fichoramas for Office documents"_s) +
                              u"\nFichorama 1.1a"_s);
        // The product link shows only when the program has a page.
        const bool hasPage = !productPage(language).isEmpty();
        EXPECT_EQ(dialog.findChild<QLabel *>(u"lblLink"_s) != nullptr, hasPage);
        for (const char *name : {"lblLink", "lblLink2"}) {
            auto *link = dialog.findChild<QLabel *>(QLatin1String(name));
            if (!link)
                continue;
            const QString address = link->text().section(u'"', 1, 1);
            EXPECT_TRUE(address.startsWith(u"https://"_s)) << qPrintable(address);
            Q_EMIT link->linkActivated(address);
        }
        ASSERT_EQ(shell.opened.size(), hasPage ? 2 : 1);
        if (hasPage) {
            EXPECT_EQ(shell.opened[0], productPage(language).toString());
        }
        EXPECT_TRUE(shell.opened.last().contains(u"MS-OLEPS"_s));
    }
}
