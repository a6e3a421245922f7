#include "gridlist/grid_list_directory_dialog.h"
#include "platform/directory_list.h"
#include "platform/drive_list.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(GridListDirectoryDialog, OpensOnTheTextsDirectoryOrTheSettingsDirectory)
{
    QTemporaryDir dir;
    const QString root = QDir::cleanPath(dir.path());
    ASSERT_TRUE(QDir().mkpath(root + u"/settings"_s));
    ASSERT_TRUE(QDir().mkpath(root + u"/lists/sub"_s));
    const QString settings = root + u"/settings"_s;
    struct Case
    {
        QString current;
        QString opened;
    };
    const Case cases[] = {
        {root + u"/lists"_s, root + u"/lists"_s},
        {QString(), settings},
        {root + u"/gone"_s, settings},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(qPrintable(c.current));
        GridListDirectoryDialog dialog(c.current, settings, 0);
        EXPECT_EQ(dialog.findChild<QLabel *>(u"lblDossier"_s)->text(), c.opened);
        EXPECT_FALSE(dialog.findChild<DriveList *>(u"Lecteurs"_s)->driveText().isEmpty());
    }

    // Browsing moves the shown directory, which is what OK hands back.
    GridListDirectoryDialog dialog(root + u"/lists"_s, settings, 1);
    EXPECT_EQ(dialog.windowTitle(), u"Listes de tableaux dans le répertoire suivant"_s);
    ASSERT_TRUE(dialog.findChild<DirectoryList *>(u"Chemins"_s)->setPath(root + u"/lists/sub"_s));
    EXPECT_EQ(dialog.shownDirectory(), root + u"/lists/sub"_s);
}
