// libFuzzer target: the bytes of a whole file, read as a document of whatever format they hold, with every
// cell the grid can show asked for.
#include "listing/summary_values.h"
#include "platform/document_reader.h"
#include "platform/local_time.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const LocalTime localTime;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const DocumentRead document = readDocumentBytes(bytes);
    if (!document.properties)
        return 0;
    for (int id = 0; id <= 20; ++id)
        (void)summaryCell(*document.properties, id, localTime);
    return 0;
}
