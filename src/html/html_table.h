#pragma once

#include "common/settings.h"
#include "listing/document_grid.h"

#include <QLocale>
#include <QStringList>

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

// Appends the grid as an HTML table, one line per item: the centring "<div>", "<table>", the title row
// (captions) and one row per document, "</table>" and "</center></div>". Cell texts are HTML-escaped.
void appendHtmlTable(QStringList &lines, const DocumentGrid &grid, const HtmlTableOptions &options);

// The table of one directory in the combined page: the table as above, or when the grid has no document
// row the red "no document" line in the interface language.
void EcrireTableauHTML(QStringList &lines, const DocumentGrid &grid, const HtmlTableOptions &options,
                       qint16 language);
