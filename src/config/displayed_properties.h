#pragma once

#include "listing/document_grid.h"
#include "listing/property_columns.h"
#include "platform/ini_file.h"

// What the displayed-properties dialog's OK did.
struct DisplayedPropertiesApplied
{
    DisplayedColumns displayed{}; // the flags the columns were rebuilt from (read back from the file)
    bool widthsReset = false;     // the column count changed, so every width was reset and stored
    std::optional<WriteFailure> failure;
};

// The displayed-properties dialog's OK: writes the eighteen keys of "Proprietes", rebuilds the grid's
// columns from the file and then reuses the stored widths when the grid has as many columns as before,
// or resets them to equal shares (and stores them) when it has not. The grid has no rows afterwards.
DisplayedPropertiesApplied applyDisplayedProperties(DocumentGrid &grid, IniFile &configuration,
                                                    const DisplayedColumns &chosen, qint16 language,
                                                    double gridWidthTwips);
