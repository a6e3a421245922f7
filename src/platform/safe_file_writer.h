#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// A file the program could not write, and the system's reason.
struct WriteFailure
{
    QString path;
    QString reason;
};

// Writes one file so that either the whole new file or the old one is on disk. The bytes go into a
// temporary file created beside the destination (exclusively, never through an existing file or link),
// unbuffered, checking every result; commit() flushes it to disk and renames it over the destination,
// which replaces a symbolic link there instead of writing through it. The new file has the ordinary mode
// of a new file. Implemented once per platform.
//
//     SafeFileWriter writer(path);
//     if (writer.open())
//         for (const QByteArray &chunk : chunks)
//             if (!writer.write(chunk))
//                 break;
//     if (const auto failure = writer.commit())
//         report(*failure);
class SafeFileWriter
{
public:
    explicit SafeFileWriter(QString path);
    // Cancels the write when it was not committed.
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter &) = delete;
    SafeFileWriter &operator=(const SafeFileWriter &) = delete;

    const QString &path() const { return m_path; }

    // Creates the temporary file. False, with failure() set, when it cannot be created.
    [[nodiscard]] bool open();
    // Appends the bytes to the temporary file. False when the system refused them (a full disk, ...) or
    // an earlier step failed: every call after the first failure fails at once.
    [[nodiscard]] bool write(QByteArrayView bytes);
    // Flushes the temporary file to disk and renames it over the destination. Returns the first failure
    // of open, write or commit, if any: then the temporary file is removed and the old file is untouched.
    [[nodiscard]] std::optional<WriteFailure> commit();
    // Removes the temporary file; the destination stays as it was.
    void cancel();
    // The first failure so far; its path is always the destination.
    const std::optional<WriteFailure> &failure() const { return m_failure; }

private:
    // Fails with the system's text for an error code (errno, or GetLastError on Windows).
    void fail(qint64 systemError);
    // A fresh name for the temporary file: hidden, in the destination's directory.
    QString temporaryCandidate() const;
    void closeHandle();

    QString m_path;
    QString m_temporaryPath; // set while the temporary file exists
    qintptr m_handle = -1;   // file descriptor, or Windows file handle
    std::optional<WriteFailure> m_failure;
};

// Writes the whole file through SafeFileWriter.
[[nodiscard]] std::optional<WriteFailure> writeWholeFile(const QString &path, QByteArrayView bytes);
