#pragma once

#include "common/settings.h"
#include "listing/document_grid.h"
#include "listing/job_control.h"

#include <QLocale>

class PageWriter;

// How the document cell of a row links to its document.
enum class DocumentLink {
    Relative, // the bare file name: the page lies beside the documents
    FullPath, // the directory's path, "/" and the file name: the page lies elsewhere
};

// What the table of one grid needs besides the grid.
struct HtmlTableOptions
{
    QString directory; // the listed directory in native form (see native_name.h); used by full-path links
    SortState sort;    // the title cell of sort.column carries the arrow and is bold
    bool wrap = false; // "RenvoiALaLigne": when off every cell carries " nowrap"
    qint32 titleColour = 65535;
    DocumentLink link = DocumentLink::Relative;
    QLocale locale = QLocale::system(); // decides which cells read as numbers and are centred
};

// Writes the grid as an HTML table, one line per item: the centring "<div>", "<table>", the title row
// (captions) and one row per document, "</table>" and "</center></div>". Cell texts are HTML-escaped.
// Moves the progress of `control` by one per document row; stops between two rows when `control` is
// cancelled, leaving the table unfinished (the caller then drops the page).
void appendHtmlTable(PageWriter &page, const DocumentGrid &grid, const HtmlTableOptions &options,
                     JobControl &control);

// The table of one directory in the combined page: the table as above, or when the grid has no document
// row the red "no document" line in the interface language.
void EcrireTableauHTML(PageWriter &page, const DocumentGrid &grid, const HtmlTableOptions &options,
                       qint16 language, JobControl &control);
