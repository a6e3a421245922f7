#pragma once

#include <QByteArray>
#include <QtEndian>

// The little-endian bytes of `value`, as compound files and zip archives store their numbers.
template <typename T>
QByteArray littleEndian(T value)
{
    QByteArray bytes(sizeof(T), '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}
