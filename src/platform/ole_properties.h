#pragma once

#include "platform/document_properties.h"
#include "platform/read_status.h"

#include <optional>

class ByteSource;

// Reads the summary-information property set ("\005SummaryInformation" under the root storage) of an OLE
// compound file: texts 2 to 9 and 18 (VT_LPSTR in the set's code page, or VT_LPWSTR) up to their first NUL;
// numbers 14, 15, 16 and 19 (VT_I4 or VT_I2); dates 11, 12 and 13 (VT_FILETIME; a zero one is missing) as
// UTC instants, to the millisecond rounded down; the editing time 10 (a VT_FILETIME read as a duration) in
// whole minutes rounded down. A value stored with another type, or damaged, is missing.
// Reads the header, the allocation-table sectors on the way, the directory entries it visits and the
// summary stream (at most 4 MB of it). Nothing when the source is not a compound file, has no summary
// stream under its root, or the stream's header cannot be read; `status` says which.
std::optional<DocumentProperties> readOleProperties(ByteSource &source, ReadStatus *status = nullptr);
