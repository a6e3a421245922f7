#include "gridlist/grid_list_directory_dialog.h"
#include "platform/directory_list.h"
#include "platform/drive_list.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(GridListDirectoryDialog, OpensOnTheTextsDirectoryOrTheSettingsDirectory)
{
    QTemporaryDir dir;
    const QString root = QDir::cleanPath(dir.path());
    ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("/settings")));
    ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("/lists/sub")));
    const QString settings = root + QStringLiteral("/settings");
    struct Case
    {
        QString current;
        QString opened;
    };
    const Case cases[] = {
        {root + QStringLiteral("/lists"), root + QStringLiteral("/lists")},
        {QString(), settings},
        {root + QStringLiteral("/gone"), settings},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(qPrintable(c.current));
        GridListDirectoryDialog dialog(c.current, settings, 0);
        EXPECT_EQ(dialog.findChild<QLabel *>(QStringLiteral("lblDossier"))->text(), c.opened);
        EXPECT_FALSE(dialog.findChild<DriveList *>(QStringLiteral("Lecteurs"))->driveText().isEmpty());
    }

    // Browsing moves the shown directory, which is what OK hands back.
    GridListDirectoryDialog dialog(root + QStringLiteral("/lists"), settings, 1);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Listes de tableaux dans le répertoire suivant"));
    ASSERT_TRUE(dialog.findChild<DirectoryList *>(QStringLiteral("Chemins"))
                    ->setPath(root + QStringLiteral("/lists/sub")));
    EXPECT_EQ(dialog.shownDirectory(), root + QStringLiteral("/lists/sub"));
}
