#pragma once

#include "platform/read_status.h"
#include "platform/thread_cpu_time.h"

#include <QByteArray>
#include <qpdf/InputSource.hh>
#include <string>
#include <vector>

class ByteSource;

// Thrown through qpdf when reading a PDF file must stop: the file cannot be read (Unreadable), or the
// reader's limits are reached (Damaged). It is no std::exception, so that the handlers with which qpdf
// recovers from damaged objects let it pass.
struct PdfReadStopped
{
    ReadStatus status;
};

// qpdf's view of one PDF file, served from few positioned reads of a ByteSource: the head and the tail
// of the file in one read each (the whole file when it is small), further blocks only where qpdf asks,
// a few of them kept. Every byte handed to qpdf counts against a budget; past the budget or the deadline
// every read throws PdfReadStopped, so that recovery from a hostile file ends early.
class PdfInputSource : public InputSource
{
public:
    static constexpr qint64 kWholeFileBelow = 256 * 1024;
    static constexpr qint64 kBlockSize = 64 * 1024;
    static constexpr size_t kKeptBlocks = 16;
    static constexpr quint32 kClockEvery = 16;

    PdfInputSource(ByteSource &source, qint64 budget, ThreadCpuDeadline deadline);

    // Up to `length` bytes from the start of the file (fewer when the file is shorter).
    QByteArrayView head(qint64 length);
    // Throws PdfReadStopped when the budget is spent or the deadline has passed.
    void checkLimits() const;

    qpdf_offset_t findAndSkipNextEOL() override;
    std::string const &getName() const override { return m_name; }
    qpdf_offset_t tell() override { return m_position; }
    void seek(qpdf_offset_t offset, int whence) override;
    void rewind() override { m_position = 0; }
    size_t read(char *buffer, size_t length) override;
    void unreadCh(char) override;

private:
    struct Block
    {
        qint64 offset = 0;
        QByteArray bytes;
        bool holds(qint64 position) const { return position >= offset && position - offset < bytes.size(); }
    };

    // The cached bytes from `position` (before the end of the file) to the end of their block, read in
    // when no block holds them.
    QByteArrayView bytesAt(qint64 position);
    Block load(qint64 offset, qint64 length);

    ByteSource &m_source;
    const qint64 m_size;
    const qint64 m_budget;
    const ThreadCpuDeadline m_deadline;
    const std::string m_name = "PDF file";
    qint64 m_position = 0;
    qint64 m_spent = 0;
    mutable quint32 m_checks = 0; // calls of checkLimits, which reads the clock at some of them
    mutable bool m_expired = false;
    Block m_head;
    Block m_tail;
    std::vector<Block> m_blocks; // the least recently used first
};
