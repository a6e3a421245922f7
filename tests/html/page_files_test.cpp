#include "html/single_page.h"
#include "support/test_files.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const StartupValues kStartup{u"POSTE-7"_s, u"marie"_s, u"Debian 12"_s};

DocumentGrid oneDocument()
{
    DocumentGrid grid;
    grid.setColumns({GridColumn{u"Nom"_s}});
    grid.appendRow(GridRow{{u"a.doc"_s}});
    return grid;
}

PageResult writePage(const HtmlSettings &html, const QString &directory)
{
    const PageContext context{html, 0,
                              makePageStamp([] { return QDateTime(QDate(2026, 12, 5), QTime(14, 5)); }, 0),
                              kStartup, QLocale::c()};
    JobControl control;
    return EcrirePageHTML(oneDocument(), directory, {}, context, control);
}

mode_t modeOf(const QString &path)
{
    struct stat info;
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0) << qPrintable(path);
    return info.st_mode & 07777;
}

} // namespace

TEST(PageFiles, LinksAtThePageAndTheCopiesAreReplacedNotFollowed)
{
    QTemporaryDir temp;
    const QString docs = temp.filePath(u"docs"_s);
    const QString elsewhere = temp.filePath(u"elsewhere"_s);
    writeFile(elsewhere + u"/notes.txt"_s, "the user's notes");
    writeFile(elsewhere + u"/letter.txt"_s, "the user's letter");
    writeFile(temp.filePath(u"images/fond.gif"_s), "GIF89a fond");
    writeFile(docs + u"/a.doc"_s, "x");
    // Put there by someone else who can write into the listed directory.
    ASSERT_TRUE(QFile::link(elsewhere + u"/notes.txt"_s, docs + u"/Fichorama.html"_s));
    ASSERT_TRUE(QFile::link(elsewhere + u"/letter.txt"_s, docs + u"/Fichorama fond"_s));

    HtmlSettings html;
    html.effacerAnciensTableaux = false;
    html.imagesSuivent = true;
    html.imageFond = temp.filePath(u"images/fond.gif"_s);
    ASSERT_EQ(writePage(html, docs).status, PageStatus::Written);

    EXPECT_FALSE(QFileInfo(docs + u"/Fichorama.html"_s).isSymLink());
    EXPECT_TRUE(readFile(docs + u"/Fichorama.html"_s).startsWith("<html>"));
    EXPECT_FALSE(QFileInfo(docs + u"/Fichorama fond"_s).isSymLink());
    EXPECT_EQ(readFile(docs + u"/Fichorama fond"_s), QByteArray("GIF89a fond"));
    EXPECT_EQ(readFile(elsewhere + u"/notes.txt"_s), QByteArray("the user's notes"));
    EXPECT_EQ(readFile(elsewhere + u"/letter.txt"_s), QByteArray("the user's letter"));
}

TEST(PageFiles, ImageCopiesAreOrdinaryFilesReadOnlyFromRegularFiles)
{
    QTemporaryDir temp;
    const QString docs = temp.filePath(u"docs"_s);
    writeFile(docs + u"/a.doc"_s, "x");
    const QString open = temp.filePath(u"open.gif"_s);
    writeFile(open, "GIF89a open");
    ASSERT_EQ(::chmod(QFile::encodeName(open).constData(), 0777), 0);
    const QString pipe = temp.filePath(u"pipe.gif"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString endless = temp.filePath(u"zero.gif"_s);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, endless));

    HtmlSettings html;
    html.imagesSuivent = true;
    html.imagePied = open;
    const mode_t mask = ::umask(022);
    const PageResult copied = writePage(html, docs);
    ::umask(mask);
    ASSERT_EQ(copied.status, PageStatus::Written);
    EXPECT_EQ(modeOf(docs + u"/Fichorama pied"_s), 0644u);
    EXPECT_EQ(modeOf(copied.path), 0644u);

    // A named pipe would block the copy for ever, a device would never end: both fail at once.
    for (const QString &source : {pipe, endless}) {
        SCOPED_TRACE(qPrintable(source));
        html.imagePied = source;
        const PageResult result = writePage(html, docs);
        EXPECT_EQ(result.status, PageStatus::Failed);
        EXPECT_EQ(result.failure.path, source);
        EXPECT_FALSE(result.failure.reason.isEmpty());
    }
}
