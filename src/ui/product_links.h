#pragma once

#include <QStringView>

// The web addresses the program shows: the About dialog's two links and the link of the HTML footer
// example.

// TODO: Fichorama has no web page yet. These two addresses stand in for its French and English pages
// (example.org is reserved for documentation) and must be replaced once the pages exist.
inline constexpr QStringView kProductPageFrench = u"https://example.org/fichorama/fr/";
inline constexpr QStringView kProductPageEnglish = u"https://example.org/fichorama/en/";

// The public description of the OLE property set format that the summary reader implements ([MS-OLEPS]).
inline constexpr QStringView kPropertySetFormatPage =
    u"https://learn.microsoft.com/en-us/openspecs/windows_protocols/MS-OLEPS/"
    u"bf7aeae8-c47a-4939-9f45-700158dac3bc";

// The product page in the interface language (1 French, any other value English).
inline QStringView productPage(qint16 language)
{
    return language == 1 ? kProductPageFrench : kProductPageEnglish;
}
