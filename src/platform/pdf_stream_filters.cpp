#include "platform/pdf_stream_filters.h"

#include "platform/pdf_input_source.h"
#include "platform/png_prediction.h"

#include <memory>
#include <mutex>
#include <qpdf/Pl_Flate.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFStreamFilter.hh>
#include <stdexcept>
#include <vector>

namespace {

// Longest predictor row accepted; real rows are a few bytes (cross-reference entries) to a few kilobytes.
constexpr qint64 kMaxRowSize = 1 << 20;

// Passes the decoded bytes on, counting them, and stops past the cap.
class CapPipeline : public Pipeline
{
public:
    explicit CapPipeline(Pipeline *next)
        : Pipeline("decoded size cap", next)
    {}
    void write(unsigned char const *data, size_t length) override
    {
        m_total += qint64(length);
        if (m_total > kPdfMaxDecodedStream)
            throw PdfReadStopped{ReadStatus::Damaged};
        getNext()->write(data, length);
    }
    void finish() override { getNext()->finish(); }

private:
    qint64 m_total = 0;
};

// Undoes a PNG predictor (each row: a filter type byte, then the row) or the TIFF predictor 2 with
// 8-bit components, row by row; an incomplete last row is dropped.
class PredictorPipeline : public Pipeline
{
public:
    PredictorPipeline(Pipeline *next, bool isPng, qint64 rowSize, qint64 bytesPerPixel)
        : Pipeline("predictor", next)
        , m_isPng(isPng)
        , m_bytesPerPixel(bytesPerPixel)
        , m_row(size_t(rowSize + (isPng ? 1 : 0)), 0)
        , m_previous(size_t(rowSize), 0)
    {}
    void write(unsigned char const *data, size_t length) override
    {
        for (size_t i = 0; i < length; ++i) {
            m_row[m_filled++] = data[i];
            if (m_filled == m_row.size()) {
                // Emptied first: a row that throws must not leave the buffer full, as qpdf may write again.
                m_filled = 0;
                decodeRow();
            }
        }
    }
    void finish() override { getNext()->finish(); }

private:
    void decodeRow()
    {
        unsigned char *row = m_row.data() + (m_isPng ? 1 : 0);
        const int type = m_isPng ? m_row[0] : -1;
        const size_t size = m_previous.size();
        const size_t step = size_t(m_bytesPerPixel);
        for (size_t i = 0; i < size; ++i) {
            const int left = i >= step ? row[i - step] : 0;
            const int up = m_previous[i];
            const int upLeft = i >= step ? m_previous[i - step] : 0;
            const int predicted = pngPrediction(type, left, up, upLeft);
            if (predicted < 0)
                throw std::runtime_error("invalid PNG predictor type");
            row[i] = static_cast<unsigned char>(row[i] + predicted);
        }
        std::copy(row, row + size, m_previous.begin());
        getNext()->write(row, size);
    }

    const bool m_isPng;
    const qint64 m_bytesPerPixel;
    std::vector<unsigned char> m_row;
    std::vector<unsigned char> m_previous;
    size_t m_filled = 0;
};

// FlateDecode, its output capped, then the predictor its parameters name.
class FlateFilter : public QPDFStreamFilter
{
public:
    bool setDecodeParms(QPDFObjectHandle parameters) override
    {
        if (parameters.isNull())
            return true;
        if (!parameters.isDictionary())
            return false;
        const auto integer = [&](const char *key, qint64 missing) {
            QPDFObjectHandle value = parameters.getKey(key);
            return value.isNull() ? missing : value.isInteger() ? qint64(value.getIntValue()) : -1;
        };
        m_predictor = integer("/Predictor", 1);
        const qint64 colors = integer("/Colors", 1);
        const qint64 bits = integer("/BitsPerComponent", 8);
        const qint64 columns = integer("/Columns", 1);
        if (m_predictor == 1)
            return true;
        if (colors < 1 || colors > 64 || columns < 1 || columns > kMaxRowSize ||
            (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16))
            return false;
        m_rowSize = (columns * colors * bits + 7) / 8;
        m_bytesPerPixel = std::max<qint64>(1, colors * bits / 8);
        return m_rowSize <= kMaxRowSize &&
               ((m_predictor >= 10 && m_predictor <= 15) || (m_predictor == 2 && bits == 8));
    }

    Pipeline *getDecodePipeline(Pipeline *next) override
    {
        if (m_predictor != 1) {
            m_predictorStage =
                std::make_unique<PredictorPipeline>(next, m_predictor >= 10, m_rowSize, m_bytesPerPixel);
            next = m_predictorStage.get();
        }
        m_cap = std::make_unique<CapPipeline>(next);
        m_inflate = std::make_unique<Pl_Flate>("inflate", m_cap.get(), Pl_Flate::a_inflate);
        return m_inflate.get();
    }

private:
    qint64 m_predictor = 1;
    qint64 m_rowSize = 0;
    qint64 m_bytesPerPixel = 1;
    std::unique_ptr<Pipeline> m_predictorStage;
    std::unique_ptr<Pipeline> m_cap;
    std::unique_ptr<Pipeline> m_inflate;
};

// RunLengthDecode: a length byte below 128 copies that many bytes plus one, above 128 repeats the next
// byte 257 minus that many times, 128 ends the data.
class RunLengthPipeline : public Pipeline
{
public:
    explicit RunLengthPipeline(Pipeline *next)
        : Pipeline("run length", next)
    {}
    void write(unsigned char const *data, size_t length) override
    {
        std::vector<unsigned char> out;
        for (size_t i = 0; i < length && !m_isEnded; ++i) {
            const unsigned char byte = data[i];
            if (m_copies > 0) {
                out.push_back(byte);
                --m_copies;
            } else if (m_repeats > 0) {
                out.insert(out.end(), size_t(m_repeats), byte);
                m_repeats = 0;
            } else if (byte < 128) {
                m_copies = byte + 1;
            } else if (byte > 128) {
                m_repeats = 257 - byte;
            } else {
                m_isEnded = true;
            }
        }
        getNext()->write(out.data(), out.size());
    }
    void finish() override { getNext()->finish(); }

private:
    int m_copies = 0;
    int m_repeats = 0;
    bool m_isEnded = false;
};

class RunLengthFilter : public QPDFStreamFilter
{
public:
    Pipeline *getDecodePipeline(Pipeline *next) override
    {
        m_cap = std::make_unique<CapPipeline>(next);
        m_decode = std::make_unique<RunLengthPipeline>(m_cap.get());
        return m_decode.get();
    }
    bool isSpecializedCompression() override { return true; }

private:
    std::unique_ptr<Pipeline> m_cap;
    std::unique_ptr<Pipeline> m_decode;
};

// A filter that is never decoded.
class RefusedFilter : public QPDFStreamFilter
{
public:
    bool setDecodeParms(QPDFObjectHandle) override { return false; }
    Pipeline *getDecodePipeline(Pipeline *) override { return nullptr; }
};

} // namespace

void installPdfStreamFilters()
{
    static std::once_flag installed;
    std::call_once(installed, [] {
        QPDF::registerStreamFilter("/FlateDecode", [] { return std::make_shared<FlateFilter>(); });
        QPDF::registerStreamFilter("/RunLengthDecode", [] { return std::make_shared<RunLengthFilter>(); });
        QPDF::registerStreamFilter("/LZWDecode", [] { return std::make_shared<RefusedFilter>(); });
    });
}
