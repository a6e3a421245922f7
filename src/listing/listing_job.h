#pragma once

#include "listing/background_job.h"
#include "listing/directory_scan.h"

// The listing of one directory as a background job: listDirectory on a thread of its own, into a grid
// made with the given columns. directoryRead() tells the owner the file count and the sub-directories as
// soon as the directory has been read; after finished(), result() and grid() hold the listing.
class ListingJob : public BackgroundJob
{
    Q_OBJECT
public:
    // `grid` gives the columns, the widths and the bold column; its rows are dropped.
    ListingJob(QString directory, ScanOptions options, DocumentGrid grid, QObject *parent = nullptr);

    void start();
    const QString &directory() const { return m_directory; }
    // Valid once finished() has been emitted.
    const ScanResult &result() const { return m_result; }
    DocumentGrid &grid() { return m_grid; }

Q_SIGNALS:
    // The directory has been read: its file count and sub-directories are in `read`.
    void directoryRead(const ScanResult &read);

private:
    QString m_directory;
    ScanOptions m_options;
    DocumentGrid m_grid;
    ScanResult m_result;
};
