#pragma once

#include "listing/document_grid.h"

// A small grid: a left-aligned name column and a centred pages column, three documents.
inline DocumentGrid sampleGrid()
{
    DocumentGrid grid;
    grid.setColumns({{QStringLiteral(" Document"), ColumnAlignment::Left, 1500},
                     {QStringLiteral(" Pages"), ColumnAlignment::Centre, 3000}});
    grid.appendRow({{QStringLiteral("a.doc"), QStringLiteral("12")}, NameColour::Highlight, 1});
    grid.appendRow({{QStringLiteral(".b.doc"), QString()}, NameColour::Hidden, 1});
    grid.appendRow({{QStringLiteral("c.pdf")}, NameColour::Normal, 1});
    return grid;
}
