#include "html/combined_page.h"

#include "html/html_table.h"
#include "html/html_text.h"
#include "html/page_writer.h"
#include "listing/directory_scan.h"
#include "platform/native_files.h"
#include "platform/native_name.h"

using namespace Qt::StringLiterals;

namespace {

void heading(PageWriter &page, const QString &directory, int number, int ticked, int documents,
             const PageImages &images)
{
    const QString n = QString::number(number);
    page.write(u"<a name=\"");
    page.write(n);
    page.write(u"\"><h3 align=\"center\">");
    page.write(headingImage(images));
    page.writeEscaped(displayName(directory));
    page.write(u"&nbsp;[");
    page.write(n);
    page.write(u"/");
    page.write(QString::number(ticked));
    page.write(u"] : ");
    page.write(QString::number(documents));
    page.line(u" document(s) </h3>");
}

void index(PageWriter &page, const GridList &entries, const QVector<int> &included)
{
    for (int n = 1; n <= included.size(); ++n) {
        const QString number = QString::number(n);
        page.write(u"<h5>");
        page.write(number);
        page.write(u"&nbsp;-&nbsp;<a href=\"#");
        page.write(number);
        page.write(u"\">");
        page.writeEscaped(displayName(entries[included[n - 1]].path));
        page.line(u"</a></h5>");
    }
}

} // namespace

ListDirectory scanningLister(DocumentGrid columns, ScanOptions options, const JobControl &control)
{
    return [columns = std::move(columns), options = std::move(options), &control](const QString &path) {
        ListedDirectory listed{columns, cleanAbsolutePath(path)};
        JobControl part(&control);
        listDirectory(listed.directory, options, listed.grid, part);
        return listed;
    };
}

PageResult writeCombinedPage(const GridList &entries, const SortState &sort, const PageContext &context,
                             const ListDirectory &listDirectory, JobControl &control)
{
    const HtmlSettings &html = context.html;
    const bool french = context.language == 1;
    if (entries.isEmpty())
        return PageResult{PageStatus::NothingToWrite, {}, {}};
    if (control.isCancelled())
        return PageResult{PageStatus::Cancelled, {}, {}};
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
    control.setMaximum(included.size());

    const QString path = childPath(pageDirectory, pageBaseName(html, context.stamp) + u".html"_s);
    PageWriter page(path);
    if (page.open()) {
        page.line(u"<html>");
        page.line(u"<head>");
        page.line(french ? u"<title>Fichorama de documents</title>" : u"<title>Documents fichorama</title>");
        page.line(u"</head>");
        appendPageTop(page, images, context);
        if (html.indexListes)
            index(page, entries, included);

        HtmlTableOptions table;
        table.sort = sort;
        table.wrap = html.renvoiALaLigne;
        table.titleColour = html.couleurTitre;
        table.link = DocumentLink::FullPath;
        table.locale = context.locale;
        qint64 total = 0;
        // The table's rows are not counted: the progress counts directories.
        JobControl rows(&control);
        for (int n = 1; n <= included.size() && !control.isCancelled(); ++n) {
            const int position = included[n - 1];
            const ListedDirectory listed = listDirectory(entries[position].path);
            heading(page, listed.directory, n, ticked, listed.grid.rowCount(), images);
            total += listed.grid.rowCount();
            table.directory = listed.directory;
            EcrireTableauHTML(page, listed.grid, table, context.language, rows);
            if (position != entries.size() - 1)
                page.line(u"<br><hr size=\"10\">");
            control.advance();
        }

        if (html.totalDocuments) {
            page.write(french ? u"<hr>Nombre total de documents = " : u"<hr>Total documents count = ");
            page.line(QString::number(total));
        }
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
