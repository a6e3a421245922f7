#pragma once

#include "common/settings.h"
#include "listing/property_columns.h"

#include <QLocale>
#include <QVector>

// What a listing shows, how it sorts and how many threads read the documents.
struct ScanOptions
{
    ListingOptions listing;
    bool highlight = true;
    qint16 linesPerCell = 1;
    QString pagePrefix = QStringLiteral("Fichorama"); // HTML files starting with it are our own pages
    // The property identifier read for each grid column after the name column, in column order;
    // 0 stands for the short-name column, which does not come from the summary information.
    QVector<int> columnProperties;
    SortState sort;
    QLocale locale = QLocale::system();
    int readers = 0;             // reader threads; 0 for defaultReaderCount()
    bool keepProperties = false; // each document row keeps its properties (GridRow::properties)
};

// The options of a listing made with these settings, displayed columns and sort.
ScanOptions makeScanOptions(const Settings &settings, const DisplayedColumns &displayed,
                            const SortState &sort);
