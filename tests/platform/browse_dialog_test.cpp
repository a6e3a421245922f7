#include "platform/browse_dialog.h"
#include "platform/directory_list.h"
#include "platform/twips.h"
#include "support/test_files.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class BrowseDialogTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_root = QDir::cleanPath(m_dir.path());
        // Sizes in pixels at 96 dots per inch: 15 twips a pixel.
        saveJpeg(u"small.jpg"_s, {67, 33});     // 1005 x 495 twips
        saveJpeg(u"SQUARE.JPEG"_s, {200, 200}); // 3000 x 3000 twips
        copyTestData(u"ui/wide_332x166.gif"_s, m_root,
                     u"wide.gif"_s);                                  // 4980 x 2490
        copyTestData(u"ui/tall_83x332.gif"_s, m_root, u"tall.GIF"_s); // 1245 x 4980
        writeFile(m_root + u"/broken.jpg"_s, "not a picture");
        writeFile(m_root + u"/empty.gif"_s, {});
        writeFile(m_root + u"/notes.txt"_s, "text");
    }
    void saveJpeg(const QString &name, QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        ASSERT_TRUE(image.save(m_root + u'/' + name, "JPEG"));
    }
    static QListWidget *files(QDialog &d) { return d.findChild<QListWidget *>(u"File1"_s); }
    static QWidget *widget(QDialog &d, const char *name)
    {
        return d.findChild<QWidget *>(QLatin1String(name));
    }
    static void select(QDialog &d, const QString &name)
    {
        const QList<QListWidgetItem *> found = files(d)->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << qPrintable(name);
        files(d)->setCurrentItem(found.first());
    }

    QTemporaryDir m_dir;
    QString m_root;
};

} // namespace

TEST_F(BrowseDialogTest, PreviewKeepsSmallPicturesAndFitsLargeOnesIntoTheBox)
{
    struct Case
    {
        const char *name;
        QSize twips; // the size shown, in twips
    };
    const Case cases[] = {
        {"small.jpg", {1005, 495}},
        {"wide.gif", {2490, 1245}},
        {"tall.GIF", {623, 2490}},
        {"SQUARE.JPEG", {2490, 2490}},
    };
    BrowseDialog dialog(BrowseDialog::BackgroundImage, m_root + u"/small.jpg"_s, 0);
    ASSERT_EQ(dialog.logicalDpiX(), 96);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        select(dialog, QLatin1String(c.name));
        const QWidget *image = widget(dialog, "Image1");
        EXPECT_FALSE(image->isHidden());
        EXPECT_TRUE(widget(dialog, "lblErreurImage")->isHidden());
        EXPECT_EQ(image->pos(), QPoint(0, 0));
        // One pixel is 15 twips: the display snaps to whole pixels.
        EXPECT_NEAR(Twips::fromPixels(image->width(), 96), c.twips.width(), 8);
        EXPECT_NEAR(Twips::fromPixels(image->height(), 96), c.twips.height(), 8);
    }
    select(dialog, u"broken.jpg"_s);
    EXPECT_TRUE(widget(dialog, "Image1")->isHidden());
    EXPECT_FALSE(widget(dialog, "lblErreurImage")->isHidden());
    EXPECT_EQ(static_cast<QLabel *>(widget(dialog, "lblErreurImage"))->text(), u"Unknown image"_s);
}

TEST_F(BrowseDialogTest, OpensOnTheStartPathWithItsFileSelected)
{
    BrowseDialog dialog(BrowseDialog::HeaderImage, m_root + u"/wide.gif"_s, 1);
    EXPECT_EQ(dialog.windowTitle(), u"Image d'en-tête générale"_s);
    QStringList offered;
    for (int i = 0; i < files(dialog)->count(); ++i)
        offered.append(files(dialog)->item(i)->text());
    EXPECT_EQ(offered, QStringList({u"broken.jpg"_s, u"empty.gif"_s, u"small.jpg"_s, u"SQUARE.JPEG"_s,
                                    u"tall.GIF"_s, u"wide.gif"_s}));
    ASSERT_NE(files(dialog)->currentItem(), nullptr);
    EXPECT_EQ(files(dialog)->currentItem()->text(), u"wide.gif"_s);
    EXPECT_TRUE(widget(dialog, "lblErreurImage")->isHidden());

    // A missing file in an existing directory: the lists go there and the notice shows.
    BrowseDialog missing(BrowseDialog::FooterImage, m_root + u"/gone.gif"_s, 0);
    EXPECT_EQ(missing.windowTitle(), u"Main footer image"_s);
    EXPECT_EQ(missing.findChild<DirectoryList *>(u"Chemins"_s)->path(), m_root);
    EXPECT_EQ(files(missing)->currentItem(), nullptr);
    EXPECT_FALSE(widget(missing, "lblErreurImage")->isHidden());

    // A directory that no longer exists: the lists stay where they were.
    BrowseDialog gone(7, m_root + u"/no/such/dir/wide.gif"_s, 0);
    EXPECT_EQ(gone.findChild<DirectoryList *>(u"Chemins"_s)->path(), QDir::cleanPath(QDir::currentPath()));
    EXPECT_FALSE(widget(gone, "lblErreurImage")->isHidden());
}

TEST_F(BrowseDialogTest, OkGivesOnlyASelectedNonEmptyFile)
{
    struct Case
    {
        QString selected; // empty: nothing selected
        std::optional<QString> chosen;
    };
    const Case cases[] = {
        {QString(), std::nullopt},
        {u"empty.gif"_s, std::nullopt},
        {u"tall.GIF"_s, m_root + u"/tall.GIF"_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(qPrintable(c.selected));
        BrowseDialog dialog(BrowseDialog::TableImage, m_root + u"/none.gif"_s, 0);
        int closed = 0;
        QObject::connect(&dialog, &QDialog::finished, [&closed] { ++closed; });
        if (!c.selected.isEmpty())
            select(dialog, c.selected);
        static_cast<QPushButton *>(widget(dialog, "cmdOK"))->click();
        EXPECT_EQ(closed, 1);
        EXPECT_EQ(dialog.chosenPath(), c.chosen);
    }
}
