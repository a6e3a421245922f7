#include "platform/pdf_capped_pipeline.h"

#include "platform/pdf_input_source.h"

PdfCappedPipeline::PdfCappedPipeline(qint64 cap)
    : Pipeline("capped buffer", nullptr)
    , m_cap(cap)
{}

void PdfCappedPipeline::write(unsigned char const *data, size_t length)
{
    if (length > size_t(m_cap - m_bytes.size()))
        throw PdfReadStopped{ReadStatus::Damaged};
    m_bytes.append(reinterpret_cast<const char *>(data), qsizetype(length));
}
