#pragma once

#include "platform/safe_file_writer.h"

#include <QByteArray>
#include <QStringView>
#include <optional>
#include <utility>

// Writes a page file as its lines are produced: each piece is encoded at once to Windows-1252 (numeric
// character references for what it cannot hold) into a small buffer that goes to the file when full, so
// that a page is never held whole in memory. The chunks stream into a SafeFileWriter: until commit() the
// old page, if any, stays as it was, and a failed or cancelled page leaves it whole.
class PageWriter
{
public:
    explicit PageWriter(const QString &path);
    // A writer that keeps what is written in memory, never in a file: a part of a page encoded on another
    // thread, then handed to the page's writer with writeEncoded(takeBytes()).
    PageWriter();
    PageWriter(const PageWriter &) = delete;
    PageWriter &operator=(const PageWriter &) = delete;

    // Opens the file; false when it cannot be created (commit() then reports why). Every write after a
    // failure is dropped.
    bool open();
    // Appends text to the current line.
    void write(QStringView text);
    // Appends text HTML-escaped: "&", "<", ">" and "\"" as entity references.
    void writeEscaped(QStringView text);
    // Ends the current line with CR LF.
    void endLine()
    {
        m_buffer.append("\r\n", 2);
        flushWhenFull();
    }
    void line(QStringView text)
    {
        write(text);
        endLine();
    }
    // Appends bytes another writer encoded.
    void writeEncoded(QByteArrayView bytes);
    // What an in-memory writer holds; it is left empty.
    QByteArray takeBytes() { return std::exchange(m_buffer, {}); }

    // Writes what is left and puts the new file in place of the old one; the failure when any write failed.
    [[nodiscard]] std::optional<WriteFailure> commit();
    // Drops everything written; the old file stays.
    void cancel();
    // True once the file could not be created or a write failed: what is still produced is dropped, so
    // the caller may stop producing it.
    bool failed() const { return m_file.failure().has_value(); }

private:
    void flushWhenFull();
    void flush();

    SafeFileWriter m_file;
    QByteArray m_buffer;
    bool m_inMemory = false;
};
