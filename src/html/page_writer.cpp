#include "html/page_writer.h"

#include "platform/windows1252.h"

namespace {

// Bytes gathered before they go to the file.
constexpr qsizetype kBufferBytes = 64 * 1024;

} // namespace

PageWriter::PageWriter(const QString &path)
    : m_file(path)
{
    m_buffer.reserve(kBufferBytes + 4096);
}

PageWriter::PageWriter()
    : m_file(QString())
    , m_inMemory(true)
{}

bool PageWriter::open()
{
    return m_file.open();
}

void PageWriter::write(QStringView text)
{
    appendWindows1252WithReferences(m_buffer, text);
    flushWhenFull();
}

void PageWriter::writeEscaped(QStringView text)
{
    qsizetype plain = 0; // start of the run of characters written as they are
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char *entity = nullptr;
        switch (text[i].unicode()) {
        case u'&':
            entity = "&amp;";
            break;
        case u'<':
            entity = "&lt;";
            break;
        case u'>':
            entity = "&gt;";
            break;
        case u'"':
            entity = "&quot;";
            break;
        default:
            continue;
        }
        appendWindows1252WithReferences(m_buffer, text.sliced(plain, i - plain));
        m_buffer.append(entity);
        plain = i + 1;
    }
    appendWindows1252WithReferences(m_buffer, text.sliced(plain));
    flushWhenFull();
}

void PageWriter::writeEncoded(QByteArrayView bytes)
{
    if (m_inMemory) {
        m_buffer.append(bytes);
        return;
    }
    flush();
    if (!m_file.failure())
        (void)m_file.write(bytes);
}

void PageWriter::flushWhenFull()
{
    if (m_buffer.size() >= kBufferBytes && !m_inMemory)
        flush();
}

void PageWriter::flush()
{
    // After a failure the writer refuses every write at once; commit() reports the first failure.
    if (!m_buffer.isEmpty() && !m_file.failure())
        (void)m_file.write(m_buffer);
    m_buffer.truncate(0); // keeps the buffer's room, unlike clear()
}

std::optional<WriteFailure> PageWriter::commit()
{
    flush();
    return m_file.commit();
}

void PageWriter::cancel()
{
    m_buffer.clear();
    m_file.cancel();
}
