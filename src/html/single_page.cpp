#include "html/single_page.h"

#include "html/html_table.h"
#include "html/html_text.h"
#include "html/page_writer.h"
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
                          const PageContext &context, JobControl &control)
{
    const HtmlSettings &html = context.html;
    if (grid.rowCount() == 0)
        return PageResult{PageStatus::NothingToWrite, {}, {}};
    if (control.isCancelled())
        return PageResult{PageStatus::Cancelled, {}, {}};
    control.setMaximum(grid.rowCount());
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

    PageWriter page(path);
    if (page.open()) {
        page.line(u"<html>");
        page.line(u"<head>");
        page.line(u"<title>Fichorama de documents</title>");
        page.line(u"</head>");
        appendPageTop(page, images, context);
        page.write(u"<h3 align=\"center\">");
        page.write(headingImage(images));
        page.writeEscaped(displayName(directory));
        page.write(u" : ");
        page.write(QString::number(grid.rowCount()));
        page.line(u" document(s)</h3>");

        HtmlTableOptions table;
        table.directory = directory;
        table.sort = sort;
        table.wrap = html.renvoiALaLigne;
        table.titleColour = html.couleurTitre;
        table.link = DocumentLink::Relative;
        table.locale = context.locale;
        appendHtmlTable(page, grid, table, control);
        appendPageBottom(page, images, context);
    }
    if (control.isCancelled()) {
        page.cancel();
        return PageResult{PageStatus::Cancelled, {}, {}};
    }
    if (auto failure = page.commit())
        return PageResult{PageStatus::Failed, {}, *failure};
    return PageResult{PageStatus::Written, path, {}};
}
