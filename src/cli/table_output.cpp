#include "cli/table_output.h"

namespace {

QStringList captions(const DocumentGrid &grid)
{
    QStringList out;
    for (const GridColumn &column : grid.columns())
        out << column.caption;
    return out;
}

QString csvField(const QString &cell)
{
    if (!cell.contains(QLatin1Char(',')) && !cell.contains(QLatin1Char('"')) &&
        !cell.contains(QLatin1Char('\n')) && !cell.contains(QLatin1Char('\r')))
        return cell;
    QString quoted = cell;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// A TSV cell: each tab, CR and LF becomes a blank, as in property values, so that a file name holding one
// neither adds a cell nor splits the row.
QString tsvField(QString cell)
{
    for (QChar &c : cell) {
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    }
    return cell;
}

QByteArray delimited(const DocumentGrid &grid, TableFormat format)
{
    const bool csv = format == TableFormat::Csv;
    const QString separator = csv ? QStringLiteral(",") : QStringLiteral("\t");
    const QString lineEnd = csv ? QStringLiteral("\r\n") : QStringLiteral("\n");
    auto line = [&](const QStringList &cells) {
        QStringList fields;
        for (const QString &cell : cells)
            fields << (csv ? csvField(cell) : tsvField(cell));
        return fields.join(separator) + lineEnd;
    };
    QString text = line(captions(grid));
    for (const GridRow &row : grid.rows())
        text += line(row.cells);
    return text.toUtf8();
}

} // namespace

QByteArray formatGrid(const DocumentGrid &grid, TableFormat format)
{
    return delimited(grid, format);
}
