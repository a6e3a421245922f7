#pragma once

#include <QStringView>

// The web addresses the program shows: the About dialog's two links and the link of the HTML footer
// example.

// TODO: Fichorama has no web page yet; put the addresses of its French and English pages here once they
// exist. While they are empty, the About dialog shows no product link and the footer example credits the
// program by name without a link, so that no page points to an address that does not answer.
inline constexpr QStringView kProductPageFrench = u"";
inline constexpr QStringView kProductPageEnglish = u"";

// The public description of the OLE property set format that the summary reader implements ([MS-OLEPS]).
inline constexpr QStringView kPropertySetFormatPage =
    u"https://learn.microsoft.com/en-us/openspecs/windows_protocols/MS-OLEPS/"
    u"bf7aeae8-c47a-4939-9f45-700158dac3bc";

// The product page in the interface language (1 French, any other value English); empty when there is none.
inline QStringView productPage(qint16 language)
{
    return language == 1 ? kProductPageFrench : kProductPageEnglish;
}
