#include "listing/scan_options.h"

ScanOptions makeScanOptions(const Settings &settings, const DisplayedColumns &displayed,
                            const SortState &sort)
{
    ScanOptions options;
    options.listing = settings.listing;
    options.highlight = settings.highlight;
    options.linesPerCell = settings.linesPerCell;
    options.pagePrefix = settings.html.prefixeTableau;
    options.sort = sort;
    for (int i = 0; i < kPropertyColumnCount; ++i) {
        if (displayed[size_t(i)])
            options.columnProperties.append(kPropertyColumns[size_t(i)].propertyId);
    }
    return options;
}
