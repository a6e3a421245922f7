#pragma once

// Why a reader could or could not read a document's summary properties.
enum class ReadStatus {
    Ok,
    Unreadable,  // the file could not be opened or read
    OtherFormat, // not a file of the reader's format (OLE: too short, or no compound file signature)
    NoSummary,   // a file of the format without summary properties (OLE: no "\005SummaryInformation" stream
                 // under the root; packages: no readable property part)
    Damaged,     // the structure that holds the properties is out of range or malformed
    NotRead,     // a file of a format the caller asked only to recognise, not to read
};
