#include "platform/pdf_reader.h"

#include "platform/byte_source.h"
#include "platform/pdf_aes256_key.h"
#include "platform/pdf_capped_pipeline.h"
#include "platform/pdf_input_source.h"
#include "platform/pdf_page_count.h"
#include "platform/pdf_stream_filters.h"
#include "platform/pdf_values.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFLogger.hh>

namespace {

// A PDF file has "%PDF-" within its first 1024 bytes.
constexpr qint64 kSignatureWindow = 1024;
constexpr qint64 kMaxXmpBytes = 4 * 1024 * 1024;
// Bytes qpdf may be handed: recovery scans a damaged file about once and reads some objects again. A
// sound file needs its head, its tail and a few objects; past 16 MB, a damaged file is not recovered.
constexpr qint64 kFixedBudget = 2 * 1024 * 1024;
constexpr qint64 kBudgetPerFileByte = 8;
constexpr qint64 kMaxBudget = 16 * 1024 * 1024;
// Processor time for qpdf's part of one file, so that a whole read stays well within 100 ms. A sound file
// needs a few milliseconds, an AES-256 encrypted one below one; a hostile one (a dictionary of 100,000 keys,
// an array of millions of numbers) makes qpdf build an object for every token, some tens of megabytes in this
// time. Tearing them down and the plain reader's try before qpdf take the rest.
constexpr qint64 kTimeLimitMs = 50;

std::optional<QByteArray> stringOf(QPDFObjectHandle dictionary, const char *key)
{
    QPDFObjectHandle value = dictionary.getKey(key);
    if (!value.isString())
        return std::nullopt;
    const std::string bytes = value.getStringValue();
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

using InfoStrings = std::array<std::optional<QByteArray>, kPdfInfoKeyCount>;

InfoStrings infoStrings(QPDF &pdf)
{
    InfoStrings strings;
    QPDFObjectHandle info = pdf.getTrailer().getKey("/Info");
    if (!info.isDictionary())
        return strings;
    for (size_t i = 0; i < kPdfInfoKeyCount; ++i)
        strings[i] = stringOf(info, kPdfInfoKeys[i]);
    return strings;
}

std::optional<QByteArray> xmpPacket(QPDF &pdf)
{
    QPDFObjectHandle metadata = pdf.getRoot().getKey("/Metadata");
    if (!metadata.isStream())
        return std::nullopt;
    PdfCappedPipeline packet(kMaxXmpBytes);
    if (!metadata.pipeStreamData(&packet, nullptr, 0, qpdf_dl_specialized, true, false))
        return std::nullopt;
    return packet.bytes();
}

// Runs one step of reading an opened file: a step that fails leaves its values missing and the others
// as they are.
template <typename Step>
auto guarded(Step step) -> decltype(step())
{
    try {
        return step();
    } catch (...) {
        return {};
    }
}

PdfRawValues readOpened(QPDF &pdf)
{
    PdfRawValues values;
    values.info = guarded([&] { return infoStrings(pdf); });
    values.xmp = guarded([&] { return xmpPacket(pdf); });
    values.pages = guarded([&] { return countPdfPages(pdf); });
    return values;
}

std::shared_ptr<QPDF> open(const std::shared_ptr<PdfInputSource> &input, const QByteArray &password,
                           bool passwordIsKey)
{
    const auto logger = QPDFLogger::create();
    logger->setInfo(logger->discard());
    logger->setWarn(logger->discard());
    logger->setError(logger->discard());
    auto pdf = QPDF::create();
    pdf->setLogger(logger);
    pdf->setSuppressWarnings(true);
    pdf->setAttemptRecovery(true);
    pdf->setPasswordIsHexKey(passwordIsKey);
    pdf->processInputSource(input, password.constData());
    return pdf;
}

// Opens an encrypted file with the empty user password. qpdf checks a password of AES-256 files several
// times over, with a hash made slow on purpose; the key is recovered here with the fewest hashes, and the
// file opened again with it. Other encryptions are cheap to check and left to qpdf.
std::shared_ptr<QPDF> openEncrypted(QPDF &unread, const std::shared_ptr<PdfInputSource> &input)
{
    QPDFObjectHandle encryption = unread.getTrailer().getKey("/Encrypt");
    const int version = encryption.getKey("/V").isInteger() ? encryption.getKey("/V").getIntValueAsInt() : 0;
    if (version != 5)
        return open(input, {}, false);
    PdfAes256KeyData data;
    data.revision = encryption.getKey("/R").isInteger() ? encryption.getKey("/R").getIntValueAsInt() : 6;
    data.user = stringOf(encryption, "/U").value_or(QByteArray());
    data.userKey = stringOf(encryption, "/UE").value_or(QByteArray());
    data.owner = stringOf(encryption, "/O").value_or(QByteArray());
    data.ownerKey = stringOf(encryption, "/OE").value_or(QByteArray());
    data.perms = stringOf(encryption, "/Perms").value_or(QByteArray());
    const std::optional<QByteArray> key = recoverPdfAes256Key({}, data);
    if (!key)
        throw PdfReadStopped{ReadStatus::Unreadable}; // a password is needed
    return open(input, key->toHex(), true);
}

std::optional<PdfRawValues> read(ByteSource &source, ReadStatus &status)
{
    installPdfStreamFilters();
    const qint64 budget = std::min(kFixedBudget + kBudgetPerFileByte * source.size(), kMaxBudget);
    const auto input = std::make_shared<PdfInputSource>(source, budget, ThreadCpuDeadline(kTimeLimitMs));
    if (!input->head(kSignatureWindow).contains(QByteArrayView("%PDF-"))) {
        status = ReadStatus::OtherFormat;
        return std::nullopt;
    }
    // Opened first without computing any key: most files are not encrypted.
    std::shared_ptr<QPDF> pdf = open(input, {}, true);
    if (pdf->isEncrypted())
        pdf = openEncrypted(*pdf, input);
    status = ReadStatus::Ok;
    return readOpened(*pdf);
}

} // namespace

std::optional<PdfRawValues> readPdfRawValues(ByteSource &source, ReadStatus *status)
{
    ReadStatus outcome = ReadStatus::Damaged;
    std::optional<PdfRawValues> values;
    try {
        values = read(source, outcome);
    } catch (const PdfReadStopped &stop) {
        outcome = stop.status;
    } catch (const QPDFExc &error) {
        outcome = error.getErrorCode() == qpdf_e_password ? ReadStatus::Unreadable : ReadStatus::Damaged;
    } catch (...) {
        outcome = ReadStatus::Damaged;
    }
    if (status)
        *status = outcome;
    return values;
}

std::optional<DocumentProperties> readPdfProperties(ByteSource &source, ReadStatus *status)
{
    const std::optional<PdfRawValues> values = readPdfRawValues(source, status);
    if (!values)
        return std::nullopt;
    return pdfProperties(*values);
}

std::optional<DocumentProperties> parsePdfProperties(const QByteArray &wholeFile, ReadStatus *status)
{
    MemoryByteSource source(wholeFile);
    return readPdfProperties(source, status);
}
