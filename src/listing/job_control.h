#pragma once

#include <QtGlobal>
#include <atomic>

// What a job shares with the thread that watches it: the cancel flag and the progress. The job polls the
// flag at every entry it handles and moves the progress; the watcher cancels and reads the progress at any
// time. A control made for a part of a job follows the cancellation of the whole and keeps its own
// progress.
class JobControl
{
public:
    JobControl() = default;
    explicit JobControl(const JobControl *whole)
        : m_whole(whole)
    {}
    JobControl(const JobControl &) = delete;
    JobControl &operator=(const JobControl &) = delete;

    void cancel() { m_cancelled.store(true, std::memory_order_relaxed); }
    bool isCancelled() const
    {
        return m_cancelled.load(std::memory_order_relaxed) || (m_whole && m_whole->isCancelled());
    }

    // The progress: `value` steps done out of `maximum`.
    qint64 value() const { return m_value.load(std::memory_order_relaxed); }
    qint64 maximum() const { return m_maximum.load(std::memory_order_relaxed); }
    void setMaximum(qint64 maximum) { m_maximum.store(maximum, std::memory_order_relaxed); }
    void setValue(qint64 value) { m_value.store(value, std::memory_order_relaxed); }
    void advance() { m_value.fetch_add(1, std::memory_order_relaxed); }

private:
    const JobControl *m_whole = nullptr;
    std::atomic<bool> m_cancelled{false};
    std::atomic<qint64> m_value{0};
    std::atomic<qint64> m_maximum{0};
};
