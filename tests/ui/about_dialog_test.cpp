#include "support/recording_platform.h"
#include "ui/about_dialog.h"

#include <QLabel>
#include <gtest/gtest.h>

TEST(AboutDialog, ShowsItsTextsAndOpensBothLinksThroughTheShell)
{
    for (const qint16 language : {qint16(1), qint16(0)}) {
        SCOPED_TRACE(language);
        RecordingShell shell;
        AboutDialog dialog(language, shell);
        const QString credit = dialog.findChild<QLabel *>(QStringLiteral("lblCredit"))->text();
        EXPECT_EQ(dialog.windowTitle(),
                  language == 1 ? QStringLiteral("A propos de...") : QStringLiteral("About..."));
        EXPECT_EQ(credit, (language == 1 ? QStringLiteral("Fichoramas HTML de documents Office")
                                         : QStringLiteral("HTML fichoramas for Office documents")) +
                              QStringLiteral("\nFichorama 1.1a"));
        for (const char *name : {"lblLink", "lblLink2"}) {
            auto *link = dialog.findChild<QLabel *>(QLatin1String(name));
            ASSERT_NE(link, nullptr) << name;
            const QString address = link->text().section(u'"', 1, 1);
            EXPECT_TRUE(address.startsWith(QStringLiteral("https://"))) << qPrintable(address);
            Q_EMIT link->linkActivated(address);
        }
        ASSERT_EQ(shell.opened.size(), 2);
        EXPECT_TRUE(
            shell.opened[0].endsWith(language == 1 ? QStringLiteral("/fr/") : QStringLiteral("/en/")));
        EXPECT_TRUE(shell.opened[1].contains(QStringLiteral("MS-OLEPS")));
    }
}
