#include "listing/background_job.h"

#include <QMetaObject>

BackgroundJob::BackgroundJob(QObject *parent)
    : QObject(parent)
{}

BackgroundJob::~BackgroundJob()
{
    stop();
}

void BackgroundJob::stop()
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
    // The calls wait in a queue of ours, behind a mutex that orders everything the work did before it
    // posted before what the call does; the invocation that Qt queues names the method only. (Qt's own
    // queue orders them too, but its mutexes are hidden from ThreadSanitizer in a Qt built without it.)
    // A queued invocation of this object runs in its thread's event loop; deleting the object removes it.
    {
        const std::lock_guard lock(m_postedMutex);
        m_posted.push_back(std::move(call));
    }
    QMetaObject::invokeMethod(this, "runPosted", Qt::QueuedConnection);
}

void BackgroundJob::runPosted()
{
    std::function<void()> call;
    {
        const std::lock_guard lock(m_postedMutex);
        if (m_posted.empty())
            return;
        call = std::move(m_posted.front());
        m_posted.pop_front();
    }
    call();
}
