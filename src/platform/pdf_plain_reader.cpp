#include "platform/pdf_plain_reader.h"

#include "platform/byte_source.h"
#include "platform/pdf_object_parser.h"
#include "platform/pdf_plain_stream.h"

#include <deque>
#include <set>
#include <utility>
#include <vector>

namespace {

// qpdf looks for the last "startxref" in the last 1054 bytes of the file.
constexpr qint64 kStartxrefWindow = 1054;
// Files with more objects are left to qpdf; the tables of this many take a few megabytes.
constexpr qint64 kMaxObjects = 1 << 17;
constexpr int kMaxSections = 32;
constexpr int kMaxResolutions = 4;
// An object is parsed from a window of this many bytes first, eight times more while it runs past the end.
constexpr qint64 kFirstWindow = 4096;
constexpr qint64 kMaxWindow = 8 * 1024 * 1024;
// Objects on the way hold some kilobytes; a larger one (megabytes of string) is left to qpdf, whose time
// is bounded, rather than copied and decoded here.
constexpr qint64 kMaxObjectWindow = 2 * 1024 * 1024;
constexpr qint64 kMaxStreamBytes = 16 * 1024 * 1024;
constexpr qint64 kMaxBytesRead = 24 * 1024 * 1024;

// One entry of the cross-reference tables, merged over the sections from the newest.
struct XrefEntry
{
    enum class State : quint8 { None, InUse, Free, Compressed };
    qint64 offset = 0; // in the file; for a compressed object, the number of its object stream
    qint32 generation = 0;
    State state = State::None;
    qint32 section = 0; // the last section that named the object, counted from 1
};

// An entry of a cross-reference table, "oooooooooo ggggg n" or "... f" (the line end not included).
std::optional<XrefEntry> tableEntry(QByteArrayView line)
{
    XrefEntry entry;
    for (int k = 0; k < 18; ++k) {
        const char c = line[k];
        if (k == 10 || k == 16 ? c != ' ' : k == 17 ? (c != 'n' && c != 'f') : !isAsciiDigit(c))
            return std::nullopt;
        if (k < 10)
            entry.offset = entry.offset * 10 + (c - '0');
        else if (k > 10 && k < 16)
            entry.generation = entry.generation * 10 + (c - '0');
    }
    entry.state = line[17] == 'n' ? XrefEntry::State::InUse : XrefEntry::State::Free;
    return entry;
}

class PlainPdfReader
{
public:
    explicit PlainPdfReader(ByteSource &source)
        : m_source(source)
        , m_size(source.size())
    {}

    std::optional<PdfRawValues> read();

private:
    std::optional<QByteArrayView> bytes(qint64 offset, qint64 length);
    std::optional<qint64> startxref();
    using Entries = std::vector<std::pair<qint64, XrefEntry>>;
    bool readSection(qint64 offset, std::optional<PdfObject> &trailer, qint64 &previous);
    bool readXrefTable(qint64 offset, std::optional<PdfObject> &trailer, qint64 &previous);
    bool readXrefStream(qint64 offset, std::optional<PdfObject> &trailer, qint64 &previous);
    bool endSection(PdfObject dictionary, const Entries &entries, std::optional<PdfObject> &trailer,
                    qint64 &previous);
    bool addEntries(const Entries &section);
    std::optional<PdfObject> indirectObjectAt(qint64 offset, qint64 number, qint64 generation,
                                              std::pair<qint64, qint64> *header = nullptr);
    std::optional<PdfObject> objectAt(qint64 number, qint64 generation, int resolutions);
    std::optional<PdfObject> objectInStream(qint64 number, qint64 streamNumber, int resolutions);
    std::optional<PdfObject> resolve(const PdfObject *object, int resolutions = 0);
    std::optional<QByteArray> streamData(const PdfObject &stream, int resolutions);

    ByteSource &m_source;
    const qint64 m_size;
    std::deque<std::pair<qint64, QByteArray>> m_reads; // kept so that the views handed out stay valid
    std::vector<XrefEntry> m_entries;
    qint64 m_inUse = 0;
    qint64 m_entriesRead = 0;
    qint32 m_sections = 0;
    qint64 m_bytesRead = 0;
    struct XrefStream
    {
        qint64 number;
        qint64 offset;
        qint32 generation;
    };
    std::vector<XrefStream> m_xrefStreams;
    // The objects of the last object stream read: qpdf reads every one of them.
    qint64 m_streamNumber = 0;
    std::vector<std::pair<qint64, PdfObject>> m_streamObjects;
};

std::optional<QByteArrayView> PlainPdfReader::bytes(qint64 offset, qint64 length)
{
    if (offset < 0 || offset > m_size)
        return std::nullopt;
    length = std::min(length, m_size - offset);
    if (const QByteArrayView held = m_source.view(0, m_size); !held.isEmpty())
        return held.sliced(offset);
    if (const QByteArrayView held = m_source.view(offset, length); !held.isEmpty())
        return held;
    for (const auto &[start, read] : m_reads) {
        const qint64 end = start + read.size();
        if (offset >= start && (offset + length <= end || end == m_size))
            return QByteArrayView(read).sliced(offset - start);
    }
    // More reading than the largest tables need means a hostile layout: it is left to qpdf's limits.
    m_bytesRead += length;
    if (m_bytesRead > kMaxBytesRead)
        return std::nullopt;
    QByteArray &read = m_reads.emplace_back(offset, QByteArray(length, Qt::Uninitialized)).second;
    if (!m_source.read(offset, length, read.data()))
        return std::nullopt;
    return QByteArrayView(read);
}

std::optional<qint64> PlainPdfReader::startxref()
{
    const qint64 from = std::max<qint64>(0, m_size - kStartxrefWindow);
    const auto tail = bytes(from, m_size - from);
    if (!tail)
        return std::nullopt;
    const qsizetype at = tail->lastIndexOf(QByteArrayView("startxref"));
    if (at < 0)
        return std::nullopt;
    ObjectParser parser(tail->sliced(at + 9), true);
    const std::optional<qint64> offset = parser.integer();
    if (!offset || *offset <= 0 || *offset >= m_size)
        return std::nullopt;
    return offset;
}

bool PlainPdfReader::endSection(PdfObject dictionary, const Entries &entries,
                                std::optional<PdfObject> &trailer, qint64 &previous)
{
    if (dictionary.has("Encrypt") || dictionary.has("XRefStm"))
        return false;
    previous = 0;
    if (const PdfObject *prev = dictionary.find("Prev")) {
        if (prev->kind != PdfObject::Kind::Number || !prev->isInteger || prev->integer < 0)
            return false;
        previous = prev->integer;
    }
    if (!trailer)
        trailer = std::move(dictionary);
    return addEntries(entries);
}

bool PlainPdfReader::readXrefStream(qint64 offset, std::optional<PdfObject> &trailer, qint64 &previous)
{
    // The stream's /Length must be direct: no object can be found before the tables are read.
    std::pair<qint64, qint64> header;
    const std::optional<PdfObject> stream = indirectObjectAt(offset, -1, -1, &header);
    if (!stream || stream->kind != PdfObject::Kind::Stream)
        return false;
    const PdfObject *type = stream->find("Type");
    const PdfObject *widths = stream->find("W");
    const PdfObject *size = stream->find("Size");
    if (!type || type->kind != PdfObject::Kind::Name || type->bytes != "XRef" || !widths ||
        widths->kind != PdfObject::Kind::Array || widths->items.size() < 3 || !size ||
        size->kind != PdfObject::Kind::Number || !size->isInteger)
        return false;
    int width[3];
    qint64 entrySize = 0;
    for (int i = 0; i < 3; ++i) {
        const PdfObject &item = widths->items[size_t(i)];
        if (item.kind != PdfObject::Kind::Number || !item.isInteger || item.integer < 0 || item.integer > 8)
            return false;
        width[i] = int(item.integer);
        entrySize += item.integer;
    }
    // /Index: pairs of first object and count; without it, every object below /Size.
    std::vector<qint64> index{0, size->integer};
    if (const PdfObject *declared = stream->find("Index");
        declared && declared->kind != PdfObject::Kind::Null) {
        if (declared->kind != PdfObject::Kind::Array || declared->items.empty() || declared->items.size() % 2)
            return false;
        index.clear();
        for (const PdfObject &item : declared->items) {
            if (item.kind != PdfObject::Kind::Number || !item.isInteger || item.integer < 0)
                return false;
            index.push_back(item.integer);
        }
    }
    qint64 count = 0;
    for (size_t i = 0; i < index.size(); i += 2) {
        if (index[i] < 0 || index[i + 1] < 0 || index[i] + index[i + 1] > kMaxObjects)
            return false;
        count += index[i + 1];
    }
    if (entrySize == 0 || count > kMaxObjects)
        return false;
    const std::optional<QByteArray> data = streamData(*stream, kMaxResolutions);
    if (!data || data->size() != entrySize * count)
        return false;

    Entries entries;
    entries.reserve(size_t(count));
    const auto *field = reinterpret_cast<const unsigned char *>(data->constData());
    for (size_t i = 0; i < index.size(); i += 2) {
        for (qint64 k = 0; k < index[i + 1]; ++k) {
            quint64 fields[3] = {width[0] == 0 ? 1u : 0u, 0, 0};
            for (int j = 0; j < 3; ++j) {
                for (int b = 0; b < width[j]; ++b)
                    fields[j] = fields[j] << 8 | *field++;
            }
            XrefEntry entry;
            if (fields[0] == 0) {
                entry.state = XrefEntry::State::Free;
            } else if (fields[0] == 1 && fields[2] <= 65535) {
                entry.state = XrefEntry::State::InUse;
                entry.offset = qint64(std::min<quint64>(fields[1], quint64(m_size)));
                entry.generation = qint32(fields[2]);
            } else if (fields[0] == 2 && fields[1] < quint64(kMaxObjects) &&
                       fields[2] < quint64(kMaxObjects)) {
                entry.state = XrefEntry::State::Compressed;
                entry.offset = qint64(fields[1]);
            } else {
                return false;
            }
            entries.emplace_back(index[i] + k, entry);
        }
    }
    // qpdf keeps the stream as the object its header names, whatever the tables say of that object.
    m_xrefStreams.push_back({header.first, offset, qint32(header.second)});
    PdfObject dictionary(PdfObject::Kind::Dictionary);
    dictionary.entries = stream->entries;
    return endSection(std::move(dictionary), entries, trailer, previous);
}

bool PlainPdfReader::addEntries(const Entries &section)
{
    // qpdf keeps the newest entry of an object; a free entry hides the object from older sections. Only
    // the plain cases are decided here: an object defined again with its generation, or first freed.
    // Object 0 is never read, and not counted: qpdf may count an entry in use for it.
    ++m_sections;
    for (const auto &[number, entry] : section) {
        if (++m_entriesRead > kMaxObjects)
            return false;
        if (number == 0)
            continue;
        if (number >= qint64(m_entries.size()))
            m_entries.resize(size_t(number + 1));
        XrefEntry &merged = m_entries[size_t(number)];
        if (merged.section == m_sections)
            return false; // the same object twice in one section
        if (merged.state == XrefEntry::State::None) {
            merged = entry;
            m_inUse += entry.state != XrefEntry::State::Free;
        } else if (merged.state == XrefEntry::State::Free) {
            if (entry.state != XrefEntry::State::Free)
                return false;
        } else if (entry.generation != merged.generation) {
            return false;
        }
        merged.section = m_sections;
    }
    return true;
}

bool PlainPdfReader::readSection(qint64 offset, std::optional<PdfObject> &trailer, qint64 &previous)
{
    // qpdf takes "xref" and a white space character for a table, anything else for a stream.
    const auto head = bytes(offset, kFirstWindow); // kept for the section's own reading
    if (!head)
        return false;
    if (head->startsWith("xref") && head->size() > 4 && isPdfWhite((*head)[4]) && (*head)[4] != '\0')
        return readXrefTable(offset, trailer, previous);
    return readXrefStream(offset, trailer, previous);
}

bool PlainPdfReader::readXrefTable(qint64 offset, std::optional<PdfObject> &trailer, qint64 &previous)
{
    for (qint64 window = kFirstWindow;; window *= 8) {
        const auto text = bytes(offset, window);
        if (!text)
            return false;
        const bool endsFile = offset + text->size() >= m_size;
        ObjectParser parser(*text, endsFile);
        const QByteArrayView t = *text;
        qsizetype pos = 4;
        const auto skipSpaces = [&] {
            while (pos < t.size() && isPdfWhite(t[pos]) && t[pos] != '\0')
                ++pos;
        };
        const auto readNumber = [&](int maxDigits) -> qint64 {
            qint64 value = 0;
            int digits = 0;
            while (pos < t.size() && isAsciiDigit(t[pos]) && digits <= maxDigits) {
                value = value * 10 + (t[pos++] - '0');
                ++digits;
            }
            return digits == 0 || digits > maxDigits ? -1 : value;
        };
        Entries entries;
        bool runOut = false;
        bool valid = true;
        while (valid) {
            skipSpaces();
            if (pos + 7 >= t.size()) {
                runOut = true;
                break;
            }
            if (t.sliced(pos).startsWith("trailer"))
                break;
            const qint64 first = readNumber(9);
            if (first < 0 || pos >= t.size() || t[pos] != ' ') {
                valid = false;
                break;
            }
            skipSpaces();
            const qint64 count = readNumber(9);
            skipSpaces();
            if (count < 0 || first + count > kMaxObjects) {
                valid = false;
                break;
            }
            for (qint64 i = 0; i < count && valid; ++i) {
                if (t.size() - pos < 22) {
                    runOut = true;
                    break;
                }
                const std::optional<XrefEntry> entry = tableEntry(t.sliced(pos, 18));
                valid = entry.has_value();
                pos += 18;
                if (pos < t.size() && t[pos] == ' ')
                    ++pos;
                if (pos >= t.size() || (t[pos] != '\r' && t[pos] != '\n'))
                    valid = false;
                while (pos < t.size() && (t[pos] == '\r' || t[pos] == '\n'))
                    ++pos;
                if (valid && i + 1 < count && (pos >= t.size() || !isAsciiDigit(t[pos])))
                    valid = false;
                if (valid)
                    entries.emplace_back(first + i, *entry);
            }
            if (runOut)
                break;
        }
        if (!valid)
            return false;
        if (!runOut) {
            parser.setPosition(pos);
            if (parser.keyword("trailer")) {
                PdfObject dictionary = parser.value(0);
                // qpdf reads a dictionary followed by "stream" as a stream, which is no trailer.
                if (parser.ok() && parser.keyword("stream"))
                    return false;
                if (parser.ok())
                    return dictionary.kind == PdfObject::Kind::Dictionary &&
                           endSection(std::move(dictionary), entries, trailer, previous);
            }
            if (parser.status() != Parse::NeedMore)
                return false;
        }
        if (endsFile || window >= kMaxWindow)
            return false;
    }
}

// The object at `offset`, which must be numbered `number` and `generation` (any number when negative, and
// then `header` gets the number and the generation).
std::optional<PdfObject> PlainPdfReader::indirectObjectAt(qint64 offset, qint64 number, qint64 generation,
                                                          std::pair<qint64, qint64> *header)
{
    if (offset >= m_size)
        return std::nullopt;
    for (qint64 window = kFirstWindow;; window *= 8) {
        const auto text = bytes(offset, window);
        if (!text)
            return std::nullopt;
        const bool endsFile = offset + text->size() >= m_size;
        ObjectParser parser(*text, endsFile);
        const auto objectNumber = parser.integer();
        const auto objectGeneration = parser.integer();
        if (parser.ok() && number >= 0 && (objectNumber != number || objectGeneration != generation))
            return std::nullopt;
        if (parser.ok() && header && (*objectGeneration > 65535 || *objectNumber >= kMaxObjects))
            return std::nullopt;
        if (parser.ok() && header)
            *header = {*objectNumber, *objectGeneration};
        if (!parser.keyword("obj") && parser.ok())
            return std::nullopt;
        PdfObject object = parser.value(0);
        if (parser.ok() && object.kind == PdfObject::Kind::Dictionary && parser.keyword("stream")) {
            // The data starts after LF or CR LF.
            const QByteArrayView rest = parser.text().sliced(parser.position());
            const qsizetype eol = rest.startsWith("\r\n") ? 2 : rest.startsWith("\n") ? 1 : 0;
            if (eol > 0) {
                object.kind = PdfObject::Kind::Stream;
                object.streamStart = offset + parser.position() + eol;
                return object;
            }
            if (rest.size() >= 2 || endsFile || window >= kMaxObjectWindow)
                return std::nullopt;
            continue;
        }
        if (parser.ok())
            return object;
        if (parser.status() != Parse::NeedMore || endsFile || window >= kMaxObjectWindow)
            return std::nullopt;
    }
}

std::optional<PdfObject> PlainPdfReader::objectAt(qint64 number, qint64 generation, int resolutions)
{
    if (number <= 0 || number >= qint64(m_entries.size()) || resolutions > kMaxResolutions)
        return std::nullopt;
    const XrefEntry &entry = m_entries[size_t(number)];
    if (entry.state == XrefEntry::State::Compressed && generation == 0)
        return objectInStream(number, entry.offset, resolutions);
    // qpdf takes an object at offset 0 for null.
    if (entry.state != XrefEntry::State::InUse || entry.generation != generation || entry.offset == 0)
        return std::nullopt;
    return indirectObjectAt(entry.offset, number, generation);
}

std::optional<PdfObject> PlainPdfReader::objectInStream(qint64 number, qint64 streamNumber, int resolutions)
{
    if (m_streamNumber != streamNumber) {
        if (streamNumber <= 0 || streamNumber >= qint64(m_entries.size()) ||
            m_entries[size_t(streamNumber)].state != XrefEntry::State::InUse)
            return std::nullopt;
        const std::optional<PdfObject> stream = objectAt(streamNumber, 0, resolutions + 1);
        if (!stream || stream->kind != PdfObject::Kind::Stream)
            return std::nullopt;
        const PdfObject *type = stream->find("Type");
        const PdfObject *count = stream->find("N");
        const PdfObject *first = stream->find("First");
        if (!type || type->kind != PdfObject::Kind::Name || type->bytes != "ObjStm" || !count ||
            count->kind != PdfObject::Kind::Number || !count->isInteger || !first ||
            first->kind != PdfObject::Kind::Number || !first->isInteger || first->integer < 0)
            return std::nullopt;
        const std::optional<QByteArray> data = streamData(*stream, resolutions + 1);
        if (!data)
            return std::nullopt;
        // The stream starts with pairs of object number and offset from /First.
        ObjectParser header(*data, true);
        std::vector<std::pair<qint64, qint64>> offsets;
        std::set<qint64> numbers;
        for (qint64 i = 0; i < count->integer; ++i) {
            const std::optional<qint64> objectNumber = header.integer();
            const std::optional<qint64> offset = header.integer();
            if (!objectNumber || !offset || *objectNumber == streamNumber ||
                !numbers.insert(*objectNumber).second)
                return std::nullopt;
            offsets.emplace_back(*objectNumber, *offset);
        }
        std::vector<std::pair<qint64, PdfObject>> objects;
        for (const auto &[objectNumber, offset] : offsets) {
            // qpdf reads the objects that the tables place in this stream, and fails if one fails.
            if (objectNumber >= qint64(m_entries.size()))
                continue;
            const XrefEntry &entry = m_entries[size_t(objectNumber)];
            if (entry.state != XrefEntry::State::Compressed || entry.offset != streamNumber)
                continue;
            if (first->integer + offset >= data->size())
                return std::nullopt;
            ObjectParser parser(QByteArrayView(*data).sliced(first->integer + offset), true);
            PdfObject object = parser.value(0);
            if (!parser.ok())
                return std::nullopt;
            objects.emplace_back(objectNumber, std::move(object));
        }
        m_streamNumber = streamNumber;
        m_streamObjects = std::move(objects);
    }
    for (const auto &[objectNumber, object] : m_streamObjects) {
        if (objectNumber == number)
            return object;
    }
    return std::nullopt;
}

std::optional<PdfObject> PlainPdfReader::resolve(const PdfObject *object, int resolutions)
{
    if (!object)
        return PdfObject{};
    if (object->kind != PdfObject::Kind::Reference)
        return *object;
    std::optional<PdfObject> resolved = objectAt(object->integer, object->generation, resolutions + 1);
    if (resolved && resolved->kind == PdfObject::Kind::Reference)
        return std::nullopt; // an object that is a reference: left to qpdf
    return resolved;
}

std::optional<QByteArray> PlainPdfReader::streamData(const PdfObject &stream, int resolutions)
{
    const std::optional<PdfObject> length = resolve(stream.find("Length"), resolutions);
    if (!length || length->kind != PdfObject::Kind::Number || !length->isInteger || length->integer < 0 ||
        length->integer > kMaxStreamBytes || stream.streamStart + length->integer > m_size)
        return std::nullopt;
    // The data must be followed by "endstream", after white space only.
    const qint64 end = stream.streamStart + length->integer;
    const auto after = bytes(end, 64);
    if (!after)
        return std::nullopt;
    qsizetype pos = 0;
    while (pos < after->size() && isPdfWhite((*after)[pos]))
        ++pos;
    const QByteArrayView word = after->sliced(pos);
    if (!word.startsWith("endstream") ||
        (word.size() > 9 && !isPdfWhite(word[9]) && !isPdfDelimiter(word[9])))
        return std::nullopt;
    const auto data = bytes(stream.streamStart, length->integer);
    if (!data || data->size() < length->integer)
        return std::nullopt;
    return decodePlainPdfStream(data->first(length->integer), stream);
}

std::optional<PdfRawValues> PlainPdfReader::read()
{
    const auto head = bytes(0, 8);
    if (!head || !head->startsWith("%PDF-"))
        return std::nullopt;
    const std::optional<qint64> first = startxref();
    if (!first)
        return std::nullopt;
    std::optional<PdfObject> trailer;
    std::set<qint64> visited;
    for (qint64 offset = *first; offset != 0;) {
        if (!visited.insert(offset).second || qsizetype(visited.size()) > kMaxSections)
            return std::nullopt;
        if (!readSection(offset, trailer, offset))
            return std::nullopt;
    }
    for (const XrefStream &stream : m_xrefStreams) {
        const XrefEntry *entry =
            stream.number < qint64(m_entries.size()) ? &m_entries[size_t(stream.number)] : nullptr;
        if (!entry || entry->state != XrefEntry::State::InUse || entry->offset != stream.offset ||
            entry->generation != stream.generation)
            return std::nullopt;
    }
    const PdfObject *size = trailer->find("Size");
    if (!size || size->kind != PdfObject::Kind::Number || !size->isInteger)
        return std::nullopt;

    PdfRawValues values;
    if (const PdfObject *infoEntry = trailer->find("Info");
        infoEntry && infoEntry->kind != PdfObject::Kind::Null) {
        const std::optional<PdfObject> info = resolve(infoEntry);
        if (!info || info->kind != PdfObject::Kind::Dictionary)
            return std::nullopt;
        for (size_t i = 0; i < kPdfInfoKeyCount; ++i) {
            const std::optional<PdfObject> value =
                resolve(info->find(QByteArrayView(kPdfInfoKeys[i]).sliced(1)));
            // qpdf checks a stream's length as it reads the stream, and may then lose the whole dictionary.
            if (!value || value->kind == PdfObject::Kind::Stream)
                return std::nullopt;
            if (value->kind == PdfObject::Kind::String)
                values.info[i] = value->bytes;
        }
    }

    const std::optional<PdfObject> root = resolve(trailer->find("Root"));
    if (!root || root->kind != PdfObject::Kind::Dictionary)
        return std::nullopt;
    const std::optional<PdfObject> metadata = resolve(root->find("Metadata"));
    if (!metadata)
        return std::nullopt;
    if (metadata->kind == PdfObject::Kind::Stream) {
        values.xmp = streamData(*metadata, 0);
        if (!values.xmp)
            return std::nullopt;
    }
    const std::optional<PdfObject> pages = resolve(root->find("Pages"));
    if (!pages || pages->kind != PdfObject::Kind::Dictionary)
        return std::nullopt;
    const std::optional<PdfObject> count = resolve(pages->find("Count"));
    if (!count || count->kind != PdfObject::Kind::Number || !count->isInteger || count->integer < 0 ||
        count->integer >= std::min(m_inUse, size->integer))
        return std::nullopt;
    values.pages = count->integer;
    return values;
}

} // namespace

std::optional<PdfRawValues> readPlainPdf(ByteSource &source)
{
    return PlainPdfReader(source).read();
}
