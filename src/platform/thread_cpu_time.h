#pragma once

#include <QtGlobal>

// The processor time that the calling thread has used, in nanoseconds; 0 when the system cannot say.
// Implemented once per platform.
qint64 threadCpuNanoseconds();

// A limit on the processor time that the calling thread spends from now on. Processor time, not wall
// time: a reader that shares the cores with others is not cut short because it waited its turn. Only
// the thread that made the deadline may ask it. Without a clock, it never passes.
class ThreadCpuDeadline
{
public:
    explicit ThreadCpuDeadline(qint64 milliseconds)
        : m_endNs(threadCpuNanoseconds() + milliseconds * 1000000)
    {}

    bool hasExpired() const { return threadCpuNanoseconds() > m_endNs; }

private:
    qint64 m_endNs = 0;
};
