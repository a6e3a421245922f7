#include "listing/reader_pool.h"

#include <QThread>
#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

int defaultReaderCount()
{
    return std::clamp(QThread::idealThreadCount() * 4, 4, 16);
}

qsizetype runOnReaders(qsizetype count, int readers, const JobControl &control,
                       const std::function<void(qsizetype index)> &task)
{
    std::atomic<qsizetype> next{0};
    std::atomic<qsizetype> ran{0};
    const auto read = [&] {
        while (!control.isCancelled()) {
            const qsizetype index = next.fetch_add(1, std::memory_order_relaxed);
            if (index >= count)
                return;
            task(index);
            ran.fetch_add(1, std::memory_order_relaxed);
        }
    };
    // No more threads than tasks: a small directory is read without starting any.
    const qsizetype threads = std::clamp<qsizetype>(std::min<qsizetype>(readers, count), 1, 64);
    std::vector<std::thread> others;
    others.reserve(size_t(threads - 1));
    for (qsizetype i = 1; i < threads; ++i)
        others.emplace_back(read);
    read();
    for (std::thread &thread : others)
        thread.join();
    return ran.load();
}
