#include "platform/file_byte_source.h"
#include "platform/package_reader.h"
#include "support/test_files.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

std::string statusName(ReadStatus status)
{
    switch (status) {
    case ReadStatus::Ok:
        return "ok";
    case ReadStatus::NoSummary:
        return "nosummary";
    case ReadStatus::Damaged:
        return "damaged";
    case ReadStatus::OtherFormat:
        return "other";
    case ReadStatus::Unreadable:
    case ReadStatus::NotRead:
        break;
    }
    return "unreadable";
}

std::optional<std::string> text(const std::optional<QString> &value)
{
    return value ? std::optional(value->toStdString()) : std::nullopt;
}

// Every value of a real package against expected.json: texts exactly (an OpenDocument generator up to its
// first "$"), dates to the second in UTC, the editing time in whole minutes of the expected seconds, the
// slide count as pages.
void expectProperties(const DocumentProperties &properties, QJsonObject expected, const QJsonValue &slides,
                      PackageFormat format)
{
    if (format == PackageFormat::OpenDocument && expected.contains("18"))
        expected.insert("18", expected.value("18").toString().section(u'$', 0, 0));
    const auto want = [&](int id) { return expected.value(QString::number(id)); };
    for (int id : {2, 3, 4, 5, 6, 7, 8, 9, 18}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(text(properties.text(id)),
                  want(id).isUndefined() ? std::nullopt : text(want(id).toString()));
    }
    for (int id : {14, 15, 16, 19}) {
        SCOPED_TRACE(id);
        const QJsonValue value = id == 14 && want(id).isUndefined() ? slides : want(id);
        EXPECT_EQ(properties.number(id),
                  value.isUndefined() ? std::nullopt : std::optional(value.toInteger()));
    }
    for (int id : {11, 12, 13}) {
        SCOPED_TRACE(id);
        const auto date = properties.date(id);
        EXPECT_EQ(date ? text(date->time.toUTC().toString(u"yyyy-MM-ddTHH:mm:ssZ")) : std::nullopt,
                  want(id).isUndefined() ? std::nullopt : text(want(id).toString()));
    }
    EXPECT_EQ(properties.editingMinutes(),
              want(10).isUndefined() ? std::nullopt : std::optional(want(10).toInteger() / 60));
}

// Reads, the way the listing does, every package of tests/data/modern whose format starts with `group`.
void expectGroup(const QString &group, PackageFormat format)
{
    const QJsonObject files = QJsonDocument::fromJson(readFile(testData(u"modern/expected.json"_s)))
                                  .object()
                                  .value("files")
                                  .toObject();
    int checked = 0;
    for (auto it = files.begin(); it != files.end(); ++it) {
        const QJsonObject expected = it.value().toObject();
        if (!expected.value("format").toString().startsWith(group))
            continue;
        SCOPED_TRACE(qPrintable(it.key()));
        ++checked;
        FileByteSource source(testData(u"modern/"_s + it.key()));
        ASSERT_TRUE(source.isOpen());
        ReadStatus status = ReadStatus::Unreadable;
        std::optional<PackageFormat> found;
        const auto properties = readPackageProperties(source, &found, &status);
        EXPECT_EQ(statusName(status), expected.value("status").toString().toStdString());
        if (status == ReadStatus::Ok || status == ReadStatus::NoSummary) {
            EXPECT_EQ(found, format);
        }
        if (properties)
            expectProperties(*properties, expected.value("props").toObject(), expected.value("slides"),
                             format);
    }
    EXPECT_GE(checked, 3);
}

} // namespace

TEST(PackageCorpus, EveryGroupOfPackagesReadsAsExpected)
{
    const std::pair<QString, PackageFormat> groups[] = {
        {u"ooxml-word"_s, PackageFormat::OfficeOpenXml},
        {u"ooxml-sheet"_s, PackageFormat::OfficeOpenXml},
        {u"ooxml-slides"_s, PackageFormat::OfficeOpenXml},
        {u"odf-"_s, PackageFormat::OpenDocument},
    };
    for (const auto &[group, format] : groups) {
        SCOPED_TRACE(qPrintable(group));
        expectGroup(group, format);
    }
}
