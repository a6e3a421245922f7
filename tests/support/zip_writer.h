#pragma once

#include <QByteArray>
#include <optional>
#include <vector>

// One member of a zip archive built for tests; every field the reader checks can be made to lie.
struct ZipMemberLayout
{
    ZipMemberLayout(QByteArray name, QByteArray data, bool deflate = true)
        : name(std::move(name))
        , data(std::move(data))
        , deflate(deflate)
    {}

    QByteArray name;
    QByteArray data;
    bool deflate = true;
    std::optional<quint32> declaredSize;      // instead of data.size(), in both headers
    std::optional<quint32> compressedSize;    // instead of the stored data's size, in both headers
    std::optional<quint32> localHeaderOffset; // in the central directory, instead of the true one
    std::optional<quint32> crc;               // instead of the true CRC
    std::optional<quint16> method;            // instead of 8 or 0
    quint16 flags = 0;
};

// Overrides of the end-of-central-directory record.
struct ZipEndLayout
{
    std::optional<quint32> directoryOffset;
    std::optional<quint32> directorySize;
    std::optional<quint16> count;
    QByteArray beforeEnd; // bytes between the directory and the end record (a Zip64 locator, say)
};

// A whole zip archive: local headers and data, the central directory, the end record.
QByteArray buildZip(const std::vector<ZipMemberLayout> &members, const ZipEndLayout &end = {});
// Raw deflate data of `bytes`.
QByteArray deflateRaw(const QByteArray &bytes);
