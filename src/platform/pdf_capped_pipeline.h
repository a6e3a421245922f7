#pragma once

#include <QByteArray>
#include <qpdf/Pipeline.hh>

// The end of a qpdf pipeline that keeps what it is given in memory, up to a cap: the first write past
// the cap throws PdfReadStopped, which stops the decoding of a stream (a Flate bomb) at once.
class PdfCappedPipeline : public Pipeline
{
public:
    explicit PdfCappedPipeline(qint64 cap);

    void write(unsigned char const *data, size_t length) override;
    void finish() override {}

    const QByteArray &bytes() const { return m_bytes; }

private:
    const qint64 m_cap;
    QByteArray m_bytes;
};
