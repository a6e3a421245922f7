#include "html/single_page.h"

#include "html/html_table.h"
#include "html/html_text.h"
#include "platform/native_name.h"

using namespace Qt::StringLiterals;

namespace {

QString unreachableDirectoryReason(qint16 language)
{
    return language == 1 ? QStringLiteral("Le nom du répertoire n'est pas de l'UTF-8 valide.")
                         : QStringLiteral("The directory's name is not valid UTF-8.");
}

} // namespace

PageResult EcrirePageHTML(const DocumentGrid &grid, const QString &directory, const SortState &sort,
                          const PageContext &context)
{
    const HtmlSettings &html = context.html;
    if (grid.rowCount() == 0)
        return PageResult{PageStatus::NothingToWrite, {}, {}};
    const QString path = childPath(directory, pageBaseName(html, context.stamp) + u".html"_s);
    // Qt's file functions, which write pages and copies, would reach another directory than this one.
    if (hasRawBytes(directory))
        return PageResult{
            PageStatus::Failed, {}, {displayName(path), unreachableDirectoryReason(context.language)}};
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
    lines << u"<h3 align=\"center\">"_s + headingImage(images) + escapeHtml(displayName(directory)) +
                 u" : "_s + QString::number(grid.rowCount()) + u" document(s)</h3>"_s;

    HtmlTableOptions table;
    table.directory = directory;
    table.sort = sort;
    table.wrap = html.renvoiALaLigne;
    table.titleColour = html.couleurTitre;
    table.link = DocumentLink::Relative;
    table.locale = context.locale;
    appendHtmlTable(lines, grid, table);
    appendPageBottom(lines, images, context);

    if (auto failure = writeWholeFile(path, encodePage(lines)))
        return PageResult{PageStatus::Failed, {}, *failure};
    return PageResult{PageStatus::Written, path, {}};
}
