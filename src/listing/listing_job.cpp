#include "listing/listing_job.h"

ListingJob::ListingJob(QString directory, ScanOptions options, DocumentGrid grid, QObject *parent)
    : BackgroundJob(parent)
    , m_directory(std::move(directory))
    , m_options(std::move(options))
    , m_grid(std::move(grid))
{}

void ListingJob::start()
{
    // The work owns the grid and the result until finished(); the owner reads them only afterwards.
    BackgroundJob::start([this](JobControl &control) {
        m_result = listDirectory(m_directory, m_options, m_grid, control, [this](const ScanResult &read) {
            post([this, read] { Q_EMIT directoryRead(read); });
        });
    });
}
