#include "listing/row_runs.h"

#include <algorithm>
#include <future>

bool writeRowRuns(qsizetype count, const std::function<QByteArray(qsizetype first, qsizetype end)> &encode,
                  const std::function<bool(const QByteArray &bytes)> &write)
{
    constexpr qsizetype kRowsPerRun = 2048;
    for (qsizetype start = 0; start < count; start += 2 * kRowsPerRun) {
        const qsizetype middle = std::min(start + kRowsPerRun, count);
        const qsizetype end = std::min(middle + kRowsPerRun, count);
        std::future<QByteArray> second;
        if (middle < end)
            second = std::async(std::launch::async, encode, middle, end);
        const QByteArray first = encode(start, middle);
        const QByteArray next = second.valid() ? second.get() : QByteArray();
        if (!write(first) || (middle < end && !write(next)))
            return false;
    }
    return true;
}
