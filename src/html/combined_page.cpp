#include "html/combined_page.h"

#include "html/html_table.h"
#include "html/html_text.h"
#include "platform/native_files.h"
#include "platform/native_name.h"

using namespace Qt::StringLiterals;

namespace {

QString heading(const QString &directory, int number, int ticked, int documents, const PageImages &images)
{
    const QString n = QString::number(number);
    return u"<a name=\""_s + n + u"\"><h3 align=\"center\">"_s + headingImage(images) +
           escapeHtml(displayName(directory)) + u"&nbsp;["_s + n + u'/' + QString::number(ticked) +
           u"] : "_s + QString::number(documents) + u" document(s) </h3>"_s;
}

} // namespace

PageResult writeCombinedPage(const GridList &entries, const SortState &sort, const PageContext &context,
                             const ListDirectory &listDirectory)
{
    const HtmlSettings &html = context.html;
    const bool french = context.language == 1;
    if (entries.isEmpty())
        return PageResult{PageStatus::NothingToWrite, {}, {}};
    const QString pageDirectory = html.pathListeTableaux;
    Q_ASSERT(!pageDirectory.isEmpty()); // the loader resolves an unset or vanished directory
    if (html.effacerAnciensTableaux)
        deleteOldPages(pageDirectory, html.prefixeTableau);

    PageImages images;
    if (auto failure = buildImageReferences(
            html, pageDirectory,
            {PageImage::TableImage, PageImage::Background, PageImage::Header, PageImage::Footer}, images))
        return PageResult{PageStatus::Failed, {}, *failure};

    int ticked = 0;
    QVector<int> included; // positions in the list
    for (int i = 0; i < entries.size(); ++i) {
        if (!entries[i].checked)
            continue;
        ++ticked;
        if (fileStatus(entries[i].path).isDirectory)
            included << i;
    }

    QStringList lines;
    lines << QStringLiteral("<html>") << QStringLiteral("<head>")
          << (french ? QStringLiteral("<title>Fichorama de documents</title>")
                     : QStringLiteral("<title>Documents fichorama</title>"))
          << QStringLiteral("</head>");
    appendPageTop(lines, images, context);
    if (html.indexListes) {
        for (int n = 1; n <= included.size(); ++n) {
            const QString number = QString::number(n);
            lines << u"<h5>"_s + number + u"&nbsp;-&nbsp;<a href=\"#"_s + number + u"\">"_s +
                         escapeHtml(displayName(entries[included[n - 1]].path)) + u"</a></h5>"_s;
        }
    }

    HtmlTableOptions table;
    table.sort = sort;
    table.wrap = html.renvoiALaLigne;
    table.titleColour = html.couleurTitre;
    table.link = DocumentLink::FullPath;
    table.locale = context.locale;
    qint64 total = 0;
    for (int n = 1; n <= included.size(); ++n) {
        const int position = included[n - 1];
        const ListedDirectory listed = listDirectory(entries[position].path);
        lines << heading(listed.directory, n, ticked, listed.grid.rowCount(), images);
        total += listed.grid.rowCount();
        table.directory = listed.directory;
        EcrireTableauHTML(lines, listed.grid, table, context.language);
        if (position != entries.size() - 1)
            lines << QStringLiteral("<br><hr size=\"10\">");
    }

    if (html.totalDocuments)
        lines << (french ? QStringLiteral("<hr>Nombre total de documents = ")
                         : QStringLiteral("<hr>Total documents count = ")) +
                     QString::number(total);
    appendPageBottom(lines, images, context);

    const QString path = childPath(pageDirectory, pageBaseName(html, context.stamp) + u".html"_s);
    if (auto failure = writeWholeFile(path, encodePage(lines)))
        return PageResult{PageStatus::Failed, {}, *failure};
    return PageResult{PageStatus::Written, path, {}};
}
