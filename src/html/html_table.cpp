#include "html/html_table.h"

#include "html/html_text.h"
#include "html/page_writer.h"
#include "listing/grid_sort.h"
#include "listing/row_runs.h"

using namespace Qt::StringLiterals;

namespace {

// Soft hyphen and macron: in the Symbol font the bytes 0xAD and 0xAF draw an up and a down arrow.
constexpr char16_t kUpArrow[] = {0xAD, 0};
constexpr char16_t kDownArrow[] = {0xAF, 0};
// An empty title or row cell: the no-break space keeps its borders drawn.
constexpr QStringView kEmptyCell = u"<td>&nbsp;</td>";

// The parts of a row's cells that are the same for every cell.
struct CellFrame
{
    QString nowrap;
    QString colour;
};

void titleCell(PageWriter &page, const QString &caption, int column, const HtmlTableOptions &options,
               const CellFrame &frame)
{
    page.write(u"<td bgcolor=\"#");
    page.write(frame.colour);
    if (column != options.sort.column) {
        page.write(u"\" align=\"center\"");
        page.write(frame.nowrap);
        page.write(u">");
        page.writeEscaped(caption);
        page.line(u"</td>");
        return;
    }
    page.write(u"\"  align=\"center\"");
    page.write(frame.nowrap);
    page.write(u"><font FACE=\"Symbol\"><small>");
    page.write(options.sort.ascending ? kUpArrow : kDownArrow);
    page.write(u"</small></font>&nbsp;<b>");
    page.writeEscaped(caption);
    page.line(u"</b></td>");
}

// The cell shows the name as the grid does and links by the file's own name. The anchor is left open,
// as the pages have always had it: browsers close it at the cell's end.
void documentCell(PageWriter &page, const GridRow &row, const HtmlTableOptions &options,
                  const CellFrame &frame)
{
    page.write(u"<td");
    page.write(frame.nowrap);
    page.write(u"><a href=\"");
    page.write(options.link == DocumentLink::Relative
                   ? linkToName(row.fileName)
                   : escapeLink(childPath(options.directory, row.fileName)));
    page.write(u"\">");
    page.writeEscaped(row.cells[0]);
    page.line(u"</td>");
}

void dataCell(PageWriter &page, QStringView text, const HtmlTableOptions &options, const CellFrame &frame)
{
    page.write(cellNumber(text, options.locale) ? u"<td align=\"center\"" : u"<td");
    page.write(frame.nowrap);
    page.write(u">");
    page.writeEscaped(text);
    page.line(u"</td>");
}

// The rows [first, end) of the grid; stops between two rows once `control` is cancelled or the page failed.
void appendRows(PageWriter &page, const DocumentGrid &grid, const HtmlTableOptions &options,
                const CellFrame &frame, qsizetype first, qsizetype end, JobControl &control)
{
    for (qsizetype i = first; i < end; ++i) {
        if (control.isCancelled() || page.failed())
            return;
        const GridRow &row = grid.rows().at(i);
        page.line(u"<tr>");
        const auto cells = row.cells.views();
        for (int c = 0; c < grid.columnCount(); ++c) {
            const QStringView text = c < cells.size() ? cells[c] : QStringView();
            if (text.isEmpty())
                page.line(kEmptyCell);
            else if (c == 0)
                documentCell(page, row, options, frame);
            else
                dataCell(page, text, options, frame);
        }
        page.line(u"</tr>");
        control.advance();
    }
}

} // namespace

void appendHtmlTable(PageWriter &page, const DocumentGrid &grid, const HtmlTableOptions &options,
                     JobControl &control)
{
    const CellFrame frame{options.wrap ? QString() : QStringLiteral(" nowrap"),
                          titleColourText(options.titleColour)};

    page.line(u"<div align=\"center\"><center>");
    page.line(u"<table border=\"5\" cellspacing=\"1\" cellpadding=\"4\">");
    page.line(u"<tr>");
    for (int c = 0; c < grid.columnCount(); ++c) {
        const QString &caption = grid.column(c).caption;
        if (caption.isEmpty())
            page.line(kEmptyCell);
        else
            titleCell(page, caption, c, options, frame);
    }
    page.line(u"</tr>");
    const auto encodeRows = [&](qsizetype first, qsizetype end) {
        PageWriter run;
        appendRows(run, grid, options, frame, first, end, control);
        return run.takeBytes();
    };
    const bool whole = writeRowRuns(grid.rows().size(), encodeRows, [&](const QByteArray &bytes) {
        // A run cut short by a cancel is never written: the caller drops the unfinished page.
        if (control.isCancelled() || page.failed())
            return false;
        page.writeEncoded(bytes);
        return true;
    });
    if (!whole)
        return;
    page.line(u"</table>");
    page.line(u"</center></div>");
}

void EcrireTableauHTML(PageWriter &page, const DocumentGrid &grid, const HtmlTableOptions &options,
                       qint16 language, JobControl &control)
{
    if (grid.rowCount() == 0) {
        page.line(language == 1 ? u"<font color=\"#FF0000\"><center>Aucun document sélectionné dans ce "
                                  u"répertoire</center></font>"
                                : u"<font color=\"#FF0000\"><center>No selected documents in this "
                                  u"directory</center></font>");
        return;
    }
    appendHtmlTable(page, grid, options, control);
}
