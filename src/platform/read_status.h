#pragma once

// Why a document's summary information could or could not be opened.
enum class ReadStatus {
    Ok,
    Unreadable,      // the file could not be opened or read
    NotCompoundFile, // too short, or no compound file signature
    NoSummary,       // a compound file without a "\005SummaryInformation" stream under its root
    Damaged,         // header, directory or property set header out of range
};
