#pragma once

#include <QtGlobal>

// A limit on the processor time that the calling thread spends from now on. Processor time, not wall
// time: a reader that shares the cores with others is not cut short because it waited its turn. Only
// the thread that made the deadline may ask it. Implemented once per platform.
class ThreadCpuDeadline
{
public:
    explicit ThreadCpuDeadline(qint64 milliseconds);

    bool hasExpired() const;

private:
    qint64 m_endNs = 0;
};
