#pragma once

#include "platform/zip_directory.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

// Largest member inflated: property parts are a few kilobytes; a member that declares or inflates to
// more is refused.
constexpr qint64 kMaxZipMemberSize = 8 * 1024 * 1024;
// Largest compressed size of a member that inflates to `size` bytes: deflate adds at most 5 bytes per
// stored block of up to 65,535 bytes, and a few for its end. More data than that is a lie.
constexpr qint64 maxZipCompressedSize(qint64 size)
{
    return size + size / 1024 + 1024;
}

// The bytes of one member from its compressed data (`data` is exactly entry.compressedSize bytes).
// Nothing when the member is encrypted, uses a method other than stored or deflate, declares or
// inflates to more than kMaxZipMemberSize, has more data than maxZipCompressedSize allows, inflates to
// another size than it declares, or fails its CRC.
// Inflating stops as soon as the output passes the declared size.
std::optional<QByteArray> extractZipMember(const ZipEntry &entry, QByteArrayView data);
