#include "cli/json_output.h"

#include "listing/property_columns.h"
#include "platform/native_name.h"

namespace {

void appendString(QString &out, QStringView text)
{
    out += u'"';
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"':
            out += QLatin1String("\\\"");
            break;
        case u'\\':
            out += QLatin1String("\\\\");
            break;
        case u'\n':
            out += QLatin1String("\\n");
            break;
        case u'\r':
            out += QLatin1String("\\r");
            break;
        case u'\t':
            out += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += u'"';
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString isoDate(const DocumentDate &date, const LocalTime &localTime)
{
    const QDateTime shown = date.isWallClock ? date.time : localTime.wallClock(date.time);
    const QDate day = shown.date();
    const QTime time = shown.time();
    QString text = QStringLiteral("%1-%2-%3T%4:%5:%6")
                       .arg(day.year(), 4, 10, QLatin1Char('0'))
                       .arg(twoDigits(day.month()), twoDigits(day.day()), twoDigits(time.hour()),
                            twoDigits(time.minute()), twoDigits(time.second()));
    if (date.isWallClock)
        return text;
    const qint64 offset = date.time.secsTo(shown) / 60;
    text += offset < 0 ? u'-' : u'+';
    text += twoDigits(int(qAbs(offset) / 60)) + u':' + twoDigits(int(qAbs(offset) % 60));
    return text;
}

// The value of one cell; `column` is the property table index, or -1 for the name.
void appendValue(QString &out, const GridRow &row, int column, QStringView cell, const LocalTime &localTime)
{
    const DocumentProperties *properties = row.properties.get();
    const PropertyColumn *property = column >= 0 ? &kPropertyColumns[size_t(column)] : nullptr;
    if (!property || property->source == PropertySource::ShortName || !properties) {
        if (property && cell.isEmpty())
            out += QLatin1String("null");
        else
            appendString(out, cell);
        return;
    }
    const int id = property->propertyId;
    switch (property->source) {
    case PropertySource::Text:
        if (properties->text(id))
            appendString(out, cell);
        else
            out += QLatin1String("null");
        return;
    case PropertySource::Number:
        if (const std::optional<qint64> number = properties->number(id))
            out += QString::number(*number);
        else
            out += QLatin1String("null");
        return;
    case PropertySource::Date:
        if (const std::optional<DocumentDate> date = properties->date(id); date && date->time.isValid())
            appendString(out, isoDate(*date, localTime));
        else
            out += QLatin1String("null");
        return;
    case PropertySource::Duration:
        if (const std::optional<qint64> minutes = properties->editingMinutes(); minutes && *minutes >= 0)
            out += QString::number(*minutes);
        else
            out += QLatin1String("null");
        return;
    case PropertySource::ShortName:
        break;
    }
}

} // namespace

QByteArray formatJson(const DocumentGrid &grid, const QVector<int> &gridColumns,
                      const QVector<int> &columnIndexes, const QStringList &paths, const LocalTime &localTime)
{
    QStringList keys;
    for (const int column : columnIndexes) {
        keys << (column < 0 ? kNameColumnKey.toString()
                            : kPropertyColumns[size_t(column)].englishKey.toString());
    }
    QString out = QStringLiteral("[");
    for (int r = 0; r < grid.rowCount(); ++r) {
        const GridRow &row = grid.row(r);
        const auto cells = row.cells.views();
        out += r == 0 ? QLatin1String("\n  {") : QLatin1String(",\n  {");
        for (int c = 0; c < columnIndexes.size(); ++c) {
            appendString(out, keys[c]);
            out += u':';
            appendValue(out, row, columnIndexes[c], cells[gridColumns[c]], localTime);
            out += u',';
        }
        appendString(out, u"path");
        out += u':';
        appendString(out, displayName(paths.value(r)));
        out += u'}';
    }
    out += grid.rowCount() > 0 ? QLatin1String("\n]\n") : QLatin1String("]\n");
    return out.toUtf8();
}
