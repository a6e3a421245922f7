#pragma once

#include "platform/document_properties.h"

#include <QByteArray>
#include <array>
#include <optional>

// The keys of the document information dictionary that give properties, in the order of PdfRawValues::info.
inline constexpr const char *kPdfInfoKeys[] = {"/Title",   "/Subject",      "/Author", "/Keywords",
                                               "/Creator", "/CreationDate", "/ModDate"};
inline constexpr size_t kPdfInfoKeyCount = std::size(kPdfInfoKeys);

// What a PDF file holds for its properties, as stored: the string of each information dictionary key
// (nothing when the key is missing or not a string), the decoded XMP packet of the catalog, the page count.
struct PdfRawValues
{
    std::array<std::optional<QByteArray>, kPdfInfoKeyCount> info;
    std::optional<QByteArray> xmp;
    std::optional<qint64> pages;

    // Spelt out: the files that include qpdf's headers are compiled as C++17 with clang.
    bool operator==(const PdfRawValues &other) const
    {
        return info == other.info && xmp == other.xmp && pages == other.pages;
    }
    bool operator!=(const PdfRawValues &other) const { return !(*this == other); }
};

// The properties of a PDF file from its raw values: title 2, subject 3, author 4, keywords 5 and creator 18
// decoded as PDF text strings, created 12 and saved 13 as PDF dates; each missing one from the XMP packet;
// pages 14.
DocumentProperties pdfProperties(const PdfRawValues &values);
