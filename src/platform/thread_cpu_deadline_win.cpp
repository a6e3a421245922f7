#include "platform/thread_cpu_deadline.h"

#include <windows.h>

namespace {

// The thread's kernel and user time in nanoseconds, counted in steps of the scheduler's tick.
qint64 threadCpuNs()
{
    FILETIME creation, exit, kernel, user;
    if (!GetThreadTimes(GetCurrentThread(), &creation, &exit, &kernel, &user))
        return 0; // the deadline never passes, the other limits still hold
    const auto units = [](FILETIME time) { return qint64(time.dwHighDateTime) << 32 | time.dwLowDateTime; };
    return (units(kernel) + units(user)) * 100;
}

} // namespace

ThreadCpuDeadline::ThreadCpuDeadline(qint64 milliseconds)
    : m_endNs(threadCpuNs() + milliseconds * 1000000)
{}

bool ThreadCpuDeadline::hasExpired() const
{
    return threadCpuNs() > m_endNs;
}
