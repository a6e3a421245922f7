#pragma once

#include "listing/job_control.h"

#include <functional>

// The number of reader threads a listing uses: more than the cores, since most of a reader's time goes to
// waiting for the disk. Four per core, at least 4 and at most 16.
int defaultReaderCount();

// Runs `task` once for every index below `count` on `readers` threads (the calling thread is one of them),
// each thread taking the lowest index not taken yet, until every index is done or `control` is cancelled;
// a task already started runs to its end. Returns when every thread has stopped. Tasks must only write to
// what belongs to their index. Returns the number of tasks that ran.
qsizetype runOnReaders(qsizetype count, int readers, const JobControl &control,
                       const std::function<void(qsizetype index)> &task);
