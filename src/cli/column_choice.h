#pragma once

#include "listing/document_grid.h"
#include "listing/property_columns.h"

#include <QString>
#include <QVector>
#include <optional>

// The columns that `fichorama list --columns` prints: English keys in the order given, each at most once.
// The listing itself holds the chosen property columns in table order; gridColumns() says where each is.
class ColumnChoice
{
public:
    // Parses a comma-separated list of English keys (blanks around a key ignored), or "all": the name
    // column, then every property column in table order. Empty with `error` set on an unknown or repeated
    // key and on an empty list.
    static std::optional<ColumnChoice> parse(const QString &list, QString *error);

    // Every key that parse() takes, comma-separated, in table order.
    static QString keyList();
    // The name column, then the displayed property columns in table order: the grid of a listing.
    static ColumnChoice fromDisplayed(const DisplayedColumns &displayed);

    // The displayed flags of the listing: the chosen property columns.
    DisplayedColumns displayed() const;
    // The listing's grid column behind printed column `printed`; -1 when there is no such printed column.
    int gridColumn(int printed) const;
    // The listing's grid column behind each printed column, in the order given.
    QVector<int> gridColumns() const;
    // The property table index of each printed column, -1 for the name column.
    const QVector<int> &propertyIndexes() const { return m_properties; }

private:
    QVector<int> m_properties; // table index of each printed column; -1 for the name column
};
