// libFuzzer target: the bytes of a whole file, read as a document of whatever format they hold, with every
// cell the grid can show asked for. An OLE document is read a second time the way a file larger than the
// reader's first read is (a short head, then sector by sector), and both reads must show the same cells.
#include "listing/summary_values.h"
#include "platform/byte_source.h"
#include "platform/document_reader.h"
#include "platform/local_time.h"
#include "platform/ole_properties.h"
#include "platform/prefetched_byte_source.h"

#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QStringList cellsOf(const std::optional<DocumentProperties> &properties, const LocalTime &localTime)
{
    QStringList cells;
    if (properties) {
        for (int id = 0; id <= 20; ++id)
            cells.append(summaryCell(*properties, id, localTime));
    }
    return cells;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const LocalTime localTime;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const DocumentRead document = readDocumentBytes(bytes);
    const QStringList cells = cellsOf(document.properties, localTime);
    if (document.format != DocumentFormat::Ole)
        return 0;

    MemoryByteSource memory(bytes);
    PrefetchedByteSource bySectors(memory, 512);
    ReadStatus status = ReadStatus::Ok;
    const auto again = readOleProperties(bySectors, &status);
    if (status != document.status || cellsOf(again, localTime) != cells)
        std::abort();
    return 0;
}
