#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

// The summary-information section of a property set stream. Opening checks the stream header and the
// section header and records where properties 1 to 31 start; values are decoded only when asked for. A
// value of another type than the one asked for, or one that runs past its section, is missing.
class PropertySet
{
public:
    // The section with format identifier F29F85E0-4FF9-1068-AB91-08002B27B3D9 of a property set stream;
    // nothing when the stream header or that section's header cannot be read.
    static std::optional<PropertySet> parse(const QByteArray &stream);

    // Property 1, read as an unsigned 16-bit number; 1252 when absent.
    quint16 codePage() const { return m_codePage; }
    // VT_LPSTR in the code page, or VT_LPWSTR; up to the first NUL.
    std::optional<QString> text(int id) const;
    // VT_I4, or VT_I2 widened.
    std::optional<qint32> number(int id) const;
    // VT_FILETIME as its raw 64-bit count of 100-nanosecond units.
    std::optional<quint64> fileTime(int id) const;

private:
    static constexpr int kIdCount = 32;

    std::optional<qint64> valueStart(int id, quint16 type) const;

    QByteArray m_stream;
    qint64 m_sectionStart = 0;
    qint64 m_sectionEnd = 0;
    quint16 m_codePage = 1252;
    // Offset of each property's value from the section start; 0 when the section does not hold it.
    std::array<quint32, kIdCount> m_offsets{};
};
