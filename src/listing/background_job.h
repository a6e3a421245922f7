#pragma once

#include "listing/job_control.h"

#include <QObject>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// Runs one piece of work on a thread of its own beside the event loop of the thread that owns the job (the
// window's), so that this loop goes on handling events. The owner watches the progress, cancels through
// the control and hears finished() in its own loop; nothing of the work re-enters that loop.
class BackgroundJob : public QObject
{
    Q_OBJECT
public:
    using Work = std::function<void(JobControl &control)>;

    explicit BackgroundJob(QObject *parent = nullptr);
    // Cancels the work and waits for it to return; calls it posted and not yet run are dropped.
    ~BackgroundJob() override;

    // Starts `work` on the job's thread; a job runs once. finished() follows, in the owner's event loop,
    // after the work has returned.
    void start(Work work);
    void cancel() { m_control.cancel(); }
    // True from start() until finished() is emitted.
    bool isRunning() const { return m_running; }
    const JobControl &control() const { return m_control; }

    // For the work: runs `call` on the owner's thread from its event loop, before finished(). Dropped when
    // the job is deleted first.
    void post(std::function<void()> call);

Q_SIGNALS:
    void finished();

protected:
    // Cancels the work and waits for its thread. A job whose work uses its own members calls it first
    // in its destructor: they are gone before this class's destructor runs.
    void stop();

private:
    // Runs the oldest call that post() queued: one queued invocation per call keeps the calls in their
    // order, and between the events that came between them.
    Q_INVOKABLE void runPosted();

    JobControl m_control;
    std::thread m_thread;
    bool m_running = false;
    std::mutex m_postedMutex;
    std::deque<std::function<void()>> m_posted;
};
