#include "html/html_table.h"

#include "html/html_text.h"
#include "listing/grid_sort.h"

using namespace Qt::StringLiterals;

namespace {

// Soft hyphen and macron: in the Symbol font the bytes 0xAD and 0xAF draw an up and a down arrow.
constexpr char16_t kUpArrowByte = 0xAD;
constexpr char16_t kDownArrowByte = 0xAF;

QString titleCell(const QString &text, int column, const HtmlTableOptions &options, const QString &nowrap,
                  const QString &colour)
{
    if (column != options.sort.column)
        return u"<td bgcolor=\"#"_s + colour + u"\" align=\"center\""_s + nowrap + u'>' + text + u"</td>"_s;
    const QChar arrow(options.sort.ascending ? kUpArrowByte : kDownArrowByte);
    return u"<td bgcolor=\"#"_s + colour + u"\"  align=\"center\""_s + nowrap +
           u"><font FACE=\"Symbol\"><small>"_s + arrow + u"</small></font>&nbsp;<b>"_s + text +
           u"</b></td>"_s;
}

// The cell shows the name as the grid does and links by the file's own name. The anchor is left open,
// as the pages have always had it: browsers close it at the cell's end.
QString documentCell(const GridRow &row, const HtmlTableOptions &options, const QString &nowrap)
{
    const QString link = options.link == DocumentLink::Relative
                             ? linkToName(row.fileName)
                             : escapeLink(childPath(options.directory, row.fileName));
    return u"<td"_s + nowrap + u"><a href=\""_s + link + u"\">"_s + escapeHtml(row.cells[0]) + u"</td>"_s;
}

QString dataCell(const QString &text, const HtmlTableOptions &options, const QString &nowrap)
{
    if (cellNumber(text, options.locale))
        return u"<td align=\"center\""_s + nowrap + u'>' + escapeHtml(text) + u"</td>"_s;
    return u"<td"_s + nowrap + u'>' + escapeHtml(text) + u"</td>"_s;
}

} // namespace

void appendHtmlTable(QStringList &lines, const DocumentGrid &grid, const HtmlTableOptions &options)
{
    const QString nowrap = options.wrap ? QString() : QStringLiteral(" nowrap");
    const QString colour = titleColourText(options.titleColour);
    const QString emptyCell = QStringLiteral("<td>&nbsp;</td>");

    lines << QStringLiteral("<div align=\"center\"><center>")
          << QStringLiteral("<table border=\"5\" cellspacing=\"1\" cellpadding=\"4\">");
    lines << QStringLiteral("<tr>");
    for (int c = 0; c < grid.columnCount(); ++c) {
        const QString &caption = grid.column(c).caption;
        lines << (caption.isEmpty() ? emptyCell : titleCell(escapeHtml(caption), c, options, nowrap, colour));
    }
    lines << QStringLiteral("</tr>");
    for (const GridRow &row : grid.rows()) {
        lines << QStringLiteral("<tr>");
        for (int c = 0; c < grid.columnCount(); ++c) {
            const QString text = c < row.cells.size() ? row.cells[c] : QString();
            if (text.isEmpty())
                lines << emptyCell;
            else
                lines << (c == 0 ? documentCell(row, options, nowrap) : dataCell(text, options, nowrap));
        }
        lines << QStringLiteral("</tr>");
    }
    lines << QStringLiteral("</table>") << QStringLiteral("</center></div>");
}

void EcrireTableauHTML(QStringList &lines, const DocumentGrid &grid, const HtmlTableOptions &options,
                       qint16 language)
{
    if (grid.rowCount() == 0) {
        lines << (language == 1
                      ? QStringLiteral("<font color=\"#FF0000\"><center>Aucun document sélectionné dans ce "
                                       "répertoire</center></font>")
                      : QStringLiteral("<font color=\"#FF0000\"><center>No selected documents in this "
                                       "directory</center></font>"));
        return;
    }
    appendHtmlTable(lines, grid, options);
}
