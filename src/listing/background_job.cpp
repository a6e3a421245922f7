#include "listing/background_job.h"

#include <QMetaObject>

BackgroundJob::BackgroundJob(QObject *parent)
    : QObject(parent)
{}

BackgroundJob::~BackgroundJob()
{
    m_control.cancel();
    if (m_thread.joinable())
        m_thread.join();
}

void BackgroundJob::start(Work work)
{
    Q_ASSERT(!m_thread.joinable());
    m_running = true;
    m_thread = std::thread([this, work = std::move(work)] {
        work(m_control);
        post([this] {
            m_thread.join();
            m_running = false;
            Q_EMIT finished();
        });
    });
}

void BackgroundJob::post(std::function<void()> call)
{
    // A queued call to this object runs in its thread's event loop; deleting the object removes it.
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}
