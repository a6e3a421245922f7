#pragma once

#include <QtGlobal>
#include <optional>

class QPDF;

// Most page-tree nodes a count visits.
inline constexpr qint64 kPdfMaxPageNodes = 1 << 20;

// The number of pages of an opened PDF file. The root's /Count is taken when it is below the number of
// objects (the cross-reference entries in use, at most the trailer's /Size); otherwise the page tree is
// walked, without recursion, visiting each object once and at most that number of nodes (and never more
// than kPdfMaxPageNodes). Nothing when the catalog has no page tree or the walk reaches its limit. May
// throw what qpdf throws.
std::optional<qint64> countPdfPages(QPDF &pdf);
