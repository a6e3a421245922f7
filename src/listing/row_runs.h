#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <functional>

// Encodes the rows [0, count) of a sorted grid for a writer, in runs of some thousand rows taken two at a
// time, the second on another thread: once a listing's readers are done, encoding the rows is most of the
// work left. `encode` gives the bytes of the rows [first, end); `write` receives each run's bytes in row
// order and returns false to stop. At most two runs are in memory at once, and a grid of one run starts no
// thread. True when every run was written.
bool writeRowRuns(qsizetype count, const std::function<QByteArray(qsizetype first, qsizetype end)> &encode,
                  const std::function<bool(const QByteArray &bytes)> &write);
