#include "config/displayed_properties.h"

#include "config/configuration_writes.h"

DisplayedPropertiesApplied applyDisplayedProperties(DocumentGrid &grid, IniFile &configuration,
                                                    const DisplayedColumns &chosen, qint16 language,
                                                    double gridWidthTwips)
{
    DisplayedPropertiesApplied applied;
    const int columnCountAtOpening = grid.columnCount();
    applied.failure = writeDisplayedColumns(configuration, chosen);
    applied.displayed = ConstruireColonnes(grid, configuration, language);
    if (grid.columnCount() == columnCountAtOpening) {
        LireLargeurs(grid, configuration, gridWidthTwips);
    } else {
        applied.widthsReset = true;
        const auto failure = ReinitialiserLargeurs(grid, configuration, gridWidthTwips);
        if (!applied.failure)
            applied.failure = failure;
    }
    return applied;
}
