// libFuzzer target: the bytes of a whole file, read as a compound file's summary information, with every
// value the grid can show asked for.
#include "listing/summary_values.h"
#include "platform/summary_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto file = SummaryFile::parse(bytes);
    if (!file)
        return 0;
    for (int id = 0; id <= 20; ++id) {
        (void)summaryCell(*file, id);
        (void)file->date(id);
    }
    (void)file->codePage();
    return 0;
}
