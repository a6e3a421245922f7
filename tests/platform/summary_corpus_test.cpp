#include "listing/summary_values.h"
#include "platform/document_reader.h"
#include "platform/local_time.h"
#include "support/test_files.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

// Checks one property of a real document against its expected value; a key absent from `expected` means
// the document does not hold the property.
void expectProperty(const DocumentProperties &file, int id, const QJsonObject &expected)
{
    SCOPED_TRACE(id);
    const QJsonValue value = expected.value(QString::number(id));
    switch (summaryKind(id)) {
    case SummaryKind::Text:
    case SummaryKind::Application:
        EXPECT_EQ(file.text(id), value.isUndefined() ? std::nullopt : std::optional(value.toString()));
        break;
    case SummaryKind::Number:
        EXPECT_EQ(file.number(id), value.isUndefined() ? std::nullopt : std::optional(value.toInt()));
        break;
    case SummaryKind::Duration:
        // Expected as 100-nanosecond units; read as whole minutes.
        EXPECT_EQ(file.editingMinutes(),
                  value.isUndefined() ? std::nullopt : std::optional(value.toInteger() / 600000000));
        break;
    case SummaryKind::Date: {
        // Expected instants are whole seconds, 1601-01-01T00:00:00Z standing for a zero FILETIME.
        const QDateTime date = QDateTime::fromString(value.toString(), Qt::ISODate);
        const bool holdsDate =
            !value.isUndefined() && date != QDateTime(QDate(1601, 1, 1), QTime(0, 0), Qt::UTC);
        ASSERT_EQ(file.date(id).has_value(), holdsDate);
        if (holdsDate) {
            const qint64 difference = file.date(id)->time.toMSecsSinceEpoch() - date.toMSecsSinceEpoch();
            EXPECT_TRUE(difference >= 0 && difference < 1000) << difference;
        }
        break;
    }
    case SummaryKind::None:
        break;
    }
}

} // namespace

TEST(SummaryCorpus, RealDocumentsReadAsExpected)
{
    const QJsonObject files = QJsonDocument::fromJson(readFile(testData(QStringLiteral("ole/expected.json"))))
                                  .object()
                                  .value("files")
                                  .toObject();
    ASSERT_GT(files.size(), 20);
    for (auto it = files.begin(); it != files.end(); ++it) {
        SCOPED_TRACE(qPrintable(it.key()));
        const QJsonObject expected = it.value().toObject();
        const auto file = readDocument(testData(QStringLiteral("ole/") + it.key())).properties;
        ASSERT_EQ(file.has_value(), expected.value("opens").toBool());
        if (!file)
            continue;
        const QJsonObject properties = expected.value("props").toObject();
        for (int id = 2; id <= 19; ++id)
            expectProperty(*file, id, properties);
    }
}

TEST(SummaryCorpus, MalformedDocumentsAreSurvived)
{
    const QDir dir(testData(QStringLiteral("ole/malformed")));
    const QStringList names = dir.entryList(QDir::Files);
    ASSERT_GE(names.size(), 9);
    const LocalTime localTime;
    for (const QString &name : names) {
        SCOPED_TRACE(qPrintable(name));
        const auto file = readDocument(dir.filePath(name)).properties;
        if (!file)
            continue;
        for (int id = 1; id <= 19; ++id)
            (void)summaryCell(*file, id, localTime);
    }
    // The sound parts of these stay readable; the damaged title is missing, not garbage.
    const auto loop = readDocument(dir.filePath(QStringLiteral("fat_chain_loop.doc"))).properties;
    ASSERT_TRUE(loop.has_value());
    EXPECT_EQ(loop->text(2), QStringLiteral("Rapport trimestriel – été"));
    const auto longTitle = readDocument(dir.filePath(QStringLiteral("string_length_2p31.doc"))).properties;
    ASSERT_TRUE(longTitle.has_value());
    EXPECT_EQ(longTitle->text(2), std::nullopt);
    EXPECT_EQ(longTitle->text(3), QStringLiteral("Ventes"));
}
