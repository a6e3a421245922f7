#pragma once

// The formats whose summary properties the program reads, each recognised by the content of a file, never by
// its name.
enum class DocumentFormat {
    Unknown,       // none of the formats below
    Ole,           // an OLE compound file (Office 97-2003 documents and their kin)
    OfficeOpenXml, // a zip package of Office Open XML (.docx, .xlsx, .pptx and their kin)
    OpenDocument,  // a zip package of OpenDocument (.odt, .ods, .odp and their kin)
    Pdf,           // a PDF file
};
