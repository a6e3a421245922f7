#include "html/single_page.h"

#include "html/html_table.h"
#include "html/html_text.h"

using namespace Qt::StringLiterals;

PageResult EcrirePageHTML(const DocumentGrid &grid, const QString &directory, const SortState &sort,
                          const PageContext &context)
{
    const HtmlSettings &html = context.html;
    if (grid.rowCount() == 0)
        return PageResult{PageStatus::NothingToWrite, {}, {}};
    if (html.effacerAnciensTableaux)
        deleteOldPages(directory, html.prefixeTableau);

    PageImages images;
    if (auto failure = buildImageReferences(
            html, directory,
            {PageImage::Background, PageImage::Header, PageImage::TableImage, PageImage::Footer}, images))
        return PageResult{PageStatus::Failed, {}, *failure};

    QStringList lines;
    lines << QStringLiteral("<html>") << QStringLiteral("<head>")
          << QStringLiteral("<title>Fichorama de documents</title>") << QStringLiteral("</head>");
    appendPageTop(lines, images, context);
    lines << u"<h3 align=\"center\">"_s + headingImage(images) + escapeHtml(directory) + u" : "_s +
                 QString::number(grid.rowCount()) + u" document(s)</h3>"_s;

    HtmlTableOptions table;
    table.directory = directory;
    table.sort = sort;
    table.wrap = html.renvoiALaLigne;
    table.titleColour = html.couleurTitre;
    table.link = DocumentLink::Relative;
    table.locale = context.locale;
    appendHtmlTable(lines, grid, table);
    appendPageBottom(lines, images, context);

    const QString path = childPath(directory, pageBaseName(html, context.stamp) + u".html"_s);
    if (auto failure = writeWholeFile(path, encodePage(lines)))
        return PageResult{PageStatus::Failed, {}, *failure};
    return PageResult{PageStatus::Written, path, {}};
}
