#pragma once

#include <QString>
#include <QVector>

// One directory of the grid list and its check mark: ticked entries go into the combined page.
struct GridListEntry
{
    QString path; // the directory as the main window shows it
    bool checked = false;

    bool operator==(const GridListEntry &) const = default;
};

using GridList = QVector<GridListEntry>;
