#include "cli/column_choice.h"

#include <QStringList>

std::optional<ColumnChoice> ColumnChoice::parse(const QString &list, QString *error)
{
    auto fail = [&](const QString &message) {
        if (error)
            *error = message;
        return std::nullopt;
    };
    ColumnChoice choice;
    if (list.trimmed() == QLatin1String("all")) {
        for (int i = -1; i < kPropertyColumnCount; ++i)
            choice.m_properties.append(i);
        return choice;
    }
    for (const QString &word : list.split(QLatin1Char(','))) {
        const QString key = word.trimmed();
        if (key.isEmpty())
            return fail(QStringLiteral("--columns: an empty column key in \"%1\"").arg(list));
        if (key == QLatin1String("all"))
            return fail(QStringLiteral("--columns: all stands alone"));
        const std::optional<int> index = propertyIndexOfEnglishKey(key);
        if (!index)
            return fail(QStringLiteral("--columns: unknown column key \"%1\"").arg(key));
        if (choice.m_properties.contains(*index))
            return fail(QStringLiteral("--columns: column key \"%1\" given twice").arg(key));
        choice.m_properties.append(*index);
    }
    return choice;
}

QString ColumnChoice::keyList()
{
    QStringList keys{kNameColumnKey.toString()};
    for (const PropertyColumn &column : kPropertyColumns)
        keys << column.englishKey.toString();
    return keys.join(QLatin1String(", "));
}

ColumnChoice ColumnChoice::fromDisplayed(const DisplayedColumns &displayed)
{
    ColumnChoice choice;
    choice.m_properties.append(-1);
    for (int i = 0; i < kPropertyColumnCount; ++i) {
        if (displayed[size_t(i)])
            choice.m_properties.append(i);
    }
    return choice;
}

DisplayedColumns ColumnChoice::displayed() const
{
    DisplayedColumns flags{};
    for (const int index : m_properties) {
        if (index >= 0)
            flags[size_t(index)] = true;
    }
    return flags;
}

int ColumnChoice::gridColumn(int printed) const
{
    if (printed < 0 || printed >= m_properties.size())
        return -1;
    return gridColumnOfPropertyIndex(displayed(), m_properties[printed]);
}

QVector<int> ColumnChoice::gridColumns() const
{
    QVector<int> columns;
    for (int printed = 0; printed < m_properties.size(); ++printed)
        columns.append(gridColumn(printed));
    return columns;
}
