#include "platform/pdf_input_source.h"

#include "platform/byte_source.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>

PdfInputSource::PdfInputSource(ByteSource &source, qint64 budget, ThreadCpuDeadline deadline)
    : m_source(source)
    , m_size(source.size())
    , m_budget(budget)
    , m_deadline(deadline)
{}

QByteArrayView PdfInputSource::head(qint64 length)
{
    if (m_size == 0)
        return {};
    const QByteArrayView bytes = bytesAt(0);
    return bytes.first(std::min(length, qint64(bytes.size())));
}

void PdfInputSource::checkLimits() const
{
    // The clock is asked at one call in kClockEvery: qpdf reads in small pieces, and one piece costs far
    // less than the time left after the deadline is found passed. Once passed, every later read stops
    // too, whatever the count.
    if (!m_expired && ++m_checks % kClockEvery == 0)
        m_expired = m_deadline.hasExpired();
    if (m_spent > m_budget || m_expired)
        throw PdfReadStopped{ReadStatus::Damaged};
}

qpdf_offset_t PdfInputSource::findAndSkipNextEOL()
{
    checkLimits();
    while (m_position < m_size) {
        const QByteArrayView bytes = bytesAt(m_position);
        const auto end =
            std::find_if(bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; });
        m_spent += end - bytes.begin();
        m_position += end - bytes.begin();
        if (end == bytes.end())
            continue;
        const qpdf_offset_t lineEnd = m_position;
        // Skip the whole run of line-end characters.
        while (m_position < m_size) {
            const QByteArrayView rest = bytesAt(m_position);
            const auto other =
                std::find_if(rest.begin(), rest.end(), [](char c) { return c != '\r' && c != '\n'; });
            m_spent += other - rest.begin();
            m_position += other - rest.begin();
            if (other != rest.end())
                break;
        }
        return lineEnd;
    }
    m_position = m_size;
    last_offset = m_size;
    return m_size;
}

void PdfInputSource::seek(qpdf_offset_t offset, int whence)
{
    const qint64 base = whence == SEEK_END ? m_size : whence == SEEK_CUR ? m_position : 0;
    qint64 target = 0;
    if (__builtin_add_overflow(base, offset, &target) || target < 0)
        throw std::runtime_error("seek outside the PDF file");
    m_position = target;
}

size_t PdfInputSource::read(char *buffer, size_t length)
{
    checkLimits();
    if (m_position >= m_size) {
        last_offset = m_size;
        return 0;
    }
    last_offset = m_position;
    const qint64 wanted = qint64(std::min<size_t>(length, size_t(m_size - m_position)));
    qint64 done = 0;
    while (done < wanted) {
        const QByteArrayView bytes = bytesAt(m_position);
        const qint64 count = std::min(wanted - done, qint64(bytes.size()));
        std::memcpy(buffer + done, bytes.data(), size_t(count));
        done += count;
        m_position += count;
    }
    m_spent += done;
    return size_t(done);
}

void PdfInputSource::unreadCh(char)
{
    if (m_position > 0)
        --m_position;
}

QByteArrayView PdfInputSource::bytesAt(qint64 position)
{
    Q_ASSERT(position >= 0 && position < m_size);
    const auto from = [position](const Block &block) {
        return QByteArrayView(block.bytes).sliced(position - block.offset);
    };
    const bool isSmall = m_size < kWholeFileBelow;
    if (m_head.bytes.isEmpty() && (isSmall || position < kBlockSize))
        m_head = load(0, isSmall ? m_size : kBlockSize);
    if (m_head.holds(position))
        return from(m_head);
    if (m_tail.bytes.isEmpty() && position >= m_size - kBlockSize)
        m_tail = load(m_size - kBlockSize, kBlockSize);
    if (m_tail.holds(position))
        return from(m_tail);

    const auto found =
        std::find_if(m_blocks.begin(), m_blocks.end(), [&](const Block &b) { return b.holds(position); });
    if (found != m_blocks.end()) {
        std::rotate(found, found + 1, m_blocks.end());
    } else {
        if (m_blocks.size() == kKeptBlocks)
            m_blocks.erase(m_blocks.begin());
        const qint64 start = position - position % kBlockSize;
        m_blocks.push_back(load(start, std::min(kBlockSize, m_size - start)));
    }
    return from(m_blocks.back());
}

PdfInputSource::Block PdfInputSource::load(qint64 offset, qint64 length)
{
    // Bytes the source already holds (a small file is read whole before its format is known) are used
    // where they are.
    if (const QByteArrayView held = m_source.view(offset, length); !held.isEmpty())
        return Block{offset, QByteArray::fromRawData(held.constData(), held.size())};
    Block block{offset, QByteArray(length, Qt::Uninitialized)};
    if (!m_source.read(offset, length, block.bytes.data()))
        throw PdfReadStopped{ReadStatus::Unreadable};
    return block;
}
